#include "app/windows/OpenLinkOrTell.h"

#include "platform/shell/OpenLink.h"
#include "platform/ui/Dialogs.h"

void Open_Link_Or_Tell(const std::string& link) {
    const TOpenLinkResult opened = OpenLink(link);
    if (!opened)
        MessageDlg(OpenLinkFailureText(link, opened), mtError, {mbOK});
}
