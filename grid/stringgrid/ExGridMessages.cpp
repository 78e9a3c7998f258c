// Window messages, focus, the grid timer and the wheel.
#include "grid/stringgrid/ExGrid.h"

void TExStringGrid::HandleWindowMessage(TMessage& Message) {
    TBaseGrid::WndProc(Message);
}
