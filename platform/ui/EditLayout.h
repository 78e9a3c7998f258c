#pragma once

#include "platform/ui/Types.h"

class TEdit;

// The text area of a one-line edit: where its text is laid out inside the control (the rest
// stays free, for buttons placed over it) and how it is aligned there.
namespace EditLayout {
// Rect in the edit's client coordinates; an empty rectangle gives the whole client area back.
void SetTextRect(TEdit* edit, const TRect& rect);
TRect TextRect(const TEdit* edit);
void SetAlignment(TEdit* edit, TAlignment alignment);
TAlignment Alignment(const TEdit* edit);
} // namespace EditLayout
