#include "platform/shell/OpenLink.h"

#include "platform/shell/ChildReaper.h"
#include "platform/shell/ProgramSpawn.h"

bool OpenLink(const std::string& url) {
    if (url.empty() || url.front() == '-')
        return false;
    int error = 0;
    const pid_t opener = SpawnProgram("xdg-open", {url}, {}, true, error);
    if (opener == 0)
        return false;
    ReapInBackground(opener);
    return true;
}
