#pragma once

#include "platform/ui/Screen.h"

// The hourglass for the length of a scope; the previous cursor returns also when the scope
// ends by an exception.
class THourGlassCursor {
public:
    THourGlassCursor() : FOld(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
    ~THourGlassCursor() { Screen->SetCursor(FOld); }
    THourGlassCursor(const THourGlassCursor&) = delete;
    THourGlassCursor& operator=(const THourGlassCursor&) = delete;

private:
    TCursor FOld;
};
