#pragma once

// For the .cpp files of platform/ui only: the widget of a message box.

#include "platform/ui/Dialogs.h"

#include <memory>
#include <string>

class QMessageBox;

// The box as the user sees it, not yet shown: the kind's icon, the caption, the text, the buttons
// asked for (OK when none), and the frame of a fixed dialog (title, system menu, close box).
std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, const std::string& caption,
                                            TMsgDlgType kind, TMsgDlgButtons buttons);
