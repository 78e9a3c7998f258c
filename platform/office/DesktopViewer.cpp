#include "platform/office/DesktopViewer.h"

#include "platform/office/OfficeError.h"
#include "platform/shell/OpenLink.h"

void ShowInDesktopProgram(const std::string& fileName) {
    const TOpenLinkResult result = OpenLink(fileName);
    if (!result)
        throw EOfficeError(OpenLinkFailureText(fileName, result));
}
