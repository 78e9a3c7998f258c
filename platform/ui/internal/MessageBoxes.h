#pragma once

#include "platform/ui/Dialogs.h"

#include <string>

// The one message box every platform dialog goes through (the test seam answers it when
// active). Returns the modal result of the button chosen.
int ShowMessageBox(const std::string& text, const std::string& caption, TMsgDlgType kind,
                   TMsgDlgButtons buttons);
