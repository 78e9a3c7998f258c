// The search footer.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::UpdateSearchPanel() {}
