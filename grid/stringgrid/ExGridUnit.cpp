#include "grid/stringgrid/ExGrid.h"

#include <cctype>

#include "platform/core/FormatSettings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Form.h"

int GridUnitInitCount = 0;
UINT GridEditDoneMessage = 0;
unsigned GridCellsClipboardFormat = 0;
TCursor GridLinkCursor = crDefault;
TExStringGrid* FocusWindowGrid = nullptr;
std::string HintFontName;
// The date picker control is part of every platform the grid runs on.
bool DatePickerAvailable = true;

void GridUnitStartUp() {
    if (GridUnitInitCount++ > 0)
        return;
    FocusWindowGrid = nullptr;
    GridCellsClipboardFormat = TClipboard::RegisterFormat("TExStringGrid Cells");
    GridEditDoneMessage = RegisterWindowMessage("GridEditDone");
}

void GridUnitShutDown() {
    if (GridUnitInitCount == 0 || --GridUnitInitCount > 0)
        return;
    FocusWindowGrid = nullptr;
    HintFontName.clear();
}

namespace {
// The unit is up before main and every grid, and down after them. The registries it uses are
// built on first use, so the order of static initialisation does not matter.
struct TGridUnitLifetime {
    TGridUnitLifetime() { GridUnitStartUp(); }
    ~TGridUnitLifetime() { GridUnitShutDown(); }
} GridUnitLifetime;
} // namespace

// --- locale conventions ------------------------------------------------------------------------

namespace {
// The first character of a separator that may be longer (a multi-byte space, for one).
std::string FirstCharacter(const std::string& Text) {
    if (Text.empty())
        return Text;
    size_t length = 1;
    while (length < Text.size() && (static_cast<unsigned char>(Text[length]) & 0xC0) == 0x80)
        ++length;
    return Text.substr(0, length);
}
} // namespace

std::string LocaleTimeSeparator() {
    return FirstCharacter(CurrentFormatSettings().TimeSeparator);
}

std::string LocaleDateSeparator() {
    return FirstCharacter(CurrentFormatSettings().DateSeparator);
}

std::string LocaleThousandSeparator() {
    return FirstCharacter(CurrentFormatSettings().ThousandSeparator);
}

std::string LocaleDecimalSeparator() {
    return FirstCharacter(CurrentFormatSettings().DecimalSeparator);
}

std::string LocaleShortDateFormat() {
    return CurrentFormatSettings().ShortDateFormat;
}

std::string LocaleLongTimeFormat() {
    return CurrentFormatSettings().LongTimeFormat;
}

std::string LocaleShortTimeFormat() {
    std::string format = LocaleLongTimeFormat();
    const size_t seconds = format.find_first_of("sS");
    if (seconds == std::string::npos)
        return format;
    size_t end = seconds;
    while (end < format.size() && (format[end] == 's' || format[end] == 'S'))
        ++end;
    // The separator before the seconds goes with them.
    size_t start = seconds;
    while (start > 0 && !std::isalpha(static_cast<unsigned char>(format[start - 1])))
        --start;
    format.erase(start, end - start);
    return format;
}

TForm* FindParentForm(TControl* Control) {
    for (TControl* control = Control; control; control = control->Parent())
        if (auto* form = dynamic_cast<TForm*>(control))
            return form;
    return nullptr;
}
