// The style presets of a column list's header, lines and selection.
#include "grid/dropdown/ExColumnListDropDown.h"

#include "grid/dropdown/ItemSelector.h"
#include "platform/ui/Font.h"
#include "platform/ui/Keys.h"

#include <algorithm>

#include <array>

namespace {

constexpr int PageStep = 10;
constexpr TColor SameColor = clNone; // the table's "unchanged" for the header font
constexpr TColor Office2010Selection = 0x6CD0FF;

struct TListStyle {
    TULKStyle Style;
    TColor Header;
    TColor HeaderTo;
    TColor HeaderFont; // SameColor: unchanged
    TSelectionColorStyle Selection;
    TColor Line;
    TColor FixedLine;
    TColor SelectionText;
    TColor SelectionColor; // clNone: the selection style's own colours
};

// tsCustom changes nothing and has no row.
constexpr std::array<TListStyle, 15> ListStyles{{
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0, clNone},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, SameColor, scOffice2007, 0x947C7C, 0x947C7C, 0,
     clNone},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, SameColor, scOffice2007, 0x588060, 0x588060, 0, clNone},
    {tsOffice2003Classic, 0x808080, 0x808080, SameColor, scOffice2007, 0x808080, 0x808080, 0,
     clNone},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF, 0xFFD2AF, 0, clNone},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C, 0x5C534C, 0,
     clNone},
    {tsWindowsXP, clBtnFace, clBtnFace, 0, scCustom, 0xC0C0C0, 0, clHighlightText, clHighlight},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0, clNone},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F, 0x74706F, 0, clNone},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, scWindowsVista, 0xFCF2DA, 0xFCF2DA, 0, clNone},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, scWindows7, 0xFBD6B8, 0xFBD6B8, 0, clNone},
    {tsTerminal, clBtnFace, clBtnFace, 0, scCustom, 0x808080, 0x808080, clHighlightText,
     clHighlight},
    {tsOffice2010Blue, 0xEDDBCD, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0,
     Office2010Selection},
    {tsOffice2010Silver, 0xEDE9E5, clNone, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0,
     Office2010Selection},
    {tsOffice2010Black, 0x828282, clNone, 0xD7D7D6, scCustom, 0xEEDDCF, 0xEEDDCF, 0,
     Office2010Selection},
}};

bool IsOffice2010(TULKStyle AStyle) {
    return AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver ||
           AStyle == tsOffice2010Black;
}

} // namespace

TExColumnListDropDown::TExColumnListDropDown(TComponent* AOwner, bool Office2010Presets)
    : TExCustomDropDown(AOwner), TDropDownListLook(0xC0C0C0, 0xD1BBA4),
      FColumns(std::make_unique<DropDownList::TDropDownColumns>(this)),
      FOffice2010Presets(Office2010Presets) {}

void TExColumnListDropDown::SetComponentStyle(TULKStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    ApplyListStyle(AStyle);
}

void TExColumnListDropDown::ApplyListStyle(TULKStyle AStyle) {
    if (IsOffice2010(AStyle) && !FOffice2010Presets)
        return;
    for (const TListStyle& style : ListStyles) {
        if (style.Style != AStyle)
            continue;
        FHeaderColor = style.Header;
        FHeaderColorTo = style.HeaderTo;
        if (style.HeaderFont != SameColor)
            FHeaderFont->SetColor(style.HeaderFont);
        SetSelectionColorStyle(style.Selection);
        // The style's own line colours win over those of its selection style.
        FLineColor = style.Line;
        FFixedLineColor = style.FixedLine;
        FSelectionTextColor = style.SelectionText;
        if (style.SelectionColor != clNone) {
            SetSelectionColor(style.SelectionColor);
            SetSelectionColorTo(style.SelectionColor);
        }
        return;
    }
}

void TExColumnListDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    if (Value == scOffice2007) {
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
    } else if (Value == scWindowsVista || Value == scWindows7) {
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
    }
    TExCustomDropDown::SetSelectionColorStyle(Value);
}

// --- stepping the selection
// ------------------------------------------------------------------------

void TExColumnListDropDown::SelectFirst() {
    StepItemIndex(*this, TListStep::First, RowCount());
}

void TExColumnListDropDown::SelectLast() {
    StepItemIndex(*this, TListStep::Last, RowCount());
}

void TExColumnListDropDown::SelectNext() {
    StepItemIndex(*this, TListStep::Next, RowCount());
}

void TExColumnListDropDown::SelectPrevious() {
    StepItemIndex(*this, TListStep::Previous, RowCount());
}

void TExColumnListDropDown::SelectNextPage() {
    const int count = RowCount();
    if (count > 0)
        SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + PageStep, count - 1));
}

void TExColumnListDropDown::SelectPreviousPage() {
    if (RowCount() > 0)
        SetItemIndex(FItemIndex >= 0 && FItemIndex - PageStep >= 0 ? FItemIndex - PageStep : 0);
}

void TExColumnListDropDown::SelectByMoveKey(WORD Key, bool HomeEnd) {
    switch (Key) {
    case VK_PRIOR:
        SelectPreviousPage();
        break;
    case VK_NEXT:
        SelectNextPage();
        break;
    case VK_UP:
        SelectPrevious();
        break;
    case VK_DOWN:
        SelectNext();
        break;
    case VK_END:
        if (HomeEnd)
            SelectLast();
        break;
    case VK_HOME:
        if (HomeEnd)
            SelectFirst();
        break;
    default:
        break;
    }
}

void TExColumnListDropDown::DropDownFormSizing() {
    TExCustomDropDown::DropDownFormSizing();
    SizeColumnsToDropDown();
}

void TExColumnListDropDown::DoWheelDown() {
    TExCustomDropDown::DoWheelDown();
    SelectNext();
}

void TExColumnListDropDown::DoWheelUp() {
    TExCustomDropDown::DoWheelUp();
    SelectPrevious();
}

void TExColumnListDropDown::HandleKeyPress(TChar& Key) {
    if (Key == VK_RETURN && ReturnIsTab()) {
        Key = 0;
        return;
    }
    TExCustomDropDown::HandleKeyPress(Key);
}
