#include "grid/foundation/ThemedXP.h"

#include "grid/foundation/ExStyleIF.h"
#include "grid/foundation/VisualStyleTable.h"

bool IsThemedXP() {
    return IsWinXPOrLater() && ExXPVS().IsThemeActive() && IsComCtl6();
}
