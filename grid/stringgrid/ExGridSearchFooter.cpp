// The search footer.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::UpdateSearchPanel() {}
void TExStringGrid::SearchFooterEditChange() {}
void TExStringGrid::SearchFooterFindNext() {}
void TExStringGrid::SearchFooterFindPrevious() {}
void TExStringGrid::SearchFooterHighlight() {}
void TExStringGrid::SearchFooterClose() {}
void TExStringGrid::HandleDialogChar(TMessage& Message) {
    Message.Result = 0;
}
