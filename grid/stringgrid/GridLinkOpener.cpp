#include "grid/stringgrid/GridLinkOpener.h"

TGridLinkOpener& GridLinkOpener() {
    static TGridLinkOpener opener = [](const std::string& Url) { return OpenLink(Url); };
    return opener;
}
