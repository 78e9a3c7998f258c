#include "grid/foundation/VisualStyleTable.h"

#include "platform/core/Text.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ThemeServices.h"

#include <algorithm>
#include <optional>
#include <utility>

enum class TThemeClass { Button, ComboBox, Spin, Header, Progress, ScrollBar, TreeView };

struct TThemeData {
    TThemeClass Class;
};

namespace {

struct TClassName {
    const char* Name;
    TThemeClass Class;
};

constexpr TClassName ClassNames[] = {
    {"button", TThemeClass::Button},     {"combobox", TThemeClass::ComboBox},
    {"spin", TThemeClass::Spin},         {"header", TThemeClass::Header},
    {"progress", TThemeClass::Progress}, {"scrollbar", TThemeClass::ScrollBar},
    {"treeview", TThemeClass::TreeView},
};

std::optional<TThemeClass> ClassFromName(std::string_view name) {
    std::string trimmed = Trim(name);
    for (const TClassName& entry : ClassNames)
        if (SameText(trimmed, entry.Name))
            return entry.Class;
    return std::nullopt;
}

struct TPartDrawing {
    TThemePart Part;
    TThemeStates States;
};

// The four states most parts share: 1 normal, 2 hot, 3 pressed, 4 disabled.
std::optional<TThemeStates> CommonState(int stateId) {
    static constexpr TThemeStates flags[] = {tsfNormal, tsfHot, tsfPressed, tsfDisabled};
    if (stateId < 1 || stateId > 4)
        return std::nullopt;
    return flags[stateId - 1];
}

// States numbered in groups of the four common ones (unchecked, checked, ...): the group's
// index and the common state within it.
std::optional<std::pair<int, TThemeStates>> GroupedState(int stateId, int groups) {
    if (stateId < 1 || stateId > groups * 4)
        return std::nullopt;
    return std::pair{(stateId - 1) / 4, *CommonState((stateId - 1) % 4 + 1)};
}

std::optional<TPartDrawing> ButtonPart(int partId, int stateId) {
    switch (partId) {
    case BP_PUSHBUTTON:
        if (stateId == PBS_DEFAULTED)
            return TPartDrawing{TThemePart::PushButton, tsfFocused};
        if (auto states = CommonState(stateId))
            return TPartDrawing{TThemePart::PushButton, *states};
        return std::nullopt;
    case BP_RADIOBUTTON:
        if (auto grouped = GroupedState(stateId, 2))
            return TPartDrawing{TThemePart::RadioButton,
                                grouped->second | (grouped->first == 1 ? tsfChecked : tsfNormal)};
        return std::nullopt;
    case BP_CHECKBOX:
        if (auto grouped = GroupedState(stateId, 3)) {
            static constexpr TThemeStates checks[] = {tsfNormal, tsfChecked, tsfMixed};
            return TPartDrawing{TThemePart::CheckBox, grouped->second | checks[grouped->first]};
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// What the running style draws for a part and state of a theme class; nothing for a part or
// state the class does not have.
std::optional<TPartDrawing> PartFor(TThemeClass themeClass, int partId, int stateId) {
    switch (themeClass) {
    case TThemeClass::Button:
        return ButtonPart(partId, stateId);
    case TThemeClass::ComboBox:
        if (auto states = CommonState(stateId); states && partId == CP_DROPDOWNBUTTON)
            return TPartDrawing{TThemePart::ComboDropDown, *states};
        return std::nullopt;
    case TThemeClass::Spin: {
        static constexpr TThemePart arrows[] = {TThemePart::SpinUp, TThemePart::SpinDown,
                                                TThemePart::SpinRight, TThemePart::SpinLeft};
        if (auto states = CommonState(stateId);
            states && partId >= SPNP_UP && partId <= SPNP_DOWNHORZ)
            return TPartDrawing{arrows[partId - SPNP_UP], *states};
        return std::nullopt;
    }
    case TThemeClass::Header:
        if (auto states = CommonState(stateId); states && stateId != TS_DISABLED &&
                                                partId >= HP_HEADERITEM &&
                                                partId <= HP_HEADERITEMRIGHT)
            return TPartDrawing{TThemePart::HeaderItem, *states};
        return std::nullopt;
    case TThemeClass::Progress:
        if (partId == PP_BAR || partId == PP_CHUNK)
            return TPartDrawing{
                partId == PP_BAR ? TThemePart::ProgressBar : TThemePart::ProgressChunk, tsfNormal};
        return std::nullopt;
    case TThemeClass::ScrollBar: {
        static constexpr TThemePart arrows[] = {
            TThemePart::ScrollArrowUp, TThemePart::ScrollArrowDown, TThemePart::ScrollArrowLeft,
            TThemePart::ScrollArrowRight};
        if (auto grouped = GroupedState(stateId, 4); grouped && partId == SBP_ARROWBTN)
            return TPartDrawing{arrows[grouped->first], grouped->second};
        return std::nullopt;
    }
    case TThemeClass::TreeView:
        if (partId == TVP_GLYPH && (stateId == GLPS_CLOSED || stateId == GLPS_OPENED))
            return TPartDrawing{TThemePart::TreeGlyph,
                                stateId == GLPS_OPENED ? tsfChecked : tsfNormal};
        return std::nullopt;
    }
    return std::nullopt;
}

// The classic look, for when no desktop style runs: a face, with an arrow where the part has
// one pointing up or down.
void DrawFace(TCanvas* canvas, const TRect& r, TThemeStates states) {
    TColor face = ColorToRGB(clBtnFace);
    if (states & tsfPressed)
        face = RGB(GetRValue(face) * 7 / 8, GetGValue(face) * 7 / 8, GetBValue(face) * 7 / 8);
    else if (states & tsfHot)
        face = RGB(std::min(255, GetRValue(face) + 16), std::min(255, GetGValue(face) + 16),
                   std::min(255, GetBValue(face) + 16));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(face);
    canvas->Pen()->SetColor((states & tsfDisabled) ? clGrayText : clBtnShadow);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(r);
}

// A small filled arrow centred in r.
void DrawArrow(TCanvas* canvas, const TRect& r, bool up, TThemeStates states) {
    TColor color = (states & tsfDisabled) ? clGrayText : clBtnText;
    int cx = r.Left + r.Width() / 2;
    int cy = r.Top + r.Height() / 2;
    int half = std::max(1, std::min(r.Width(), r.Height()) / 4);
    canvas->Pen()->SetColor(color);
    canvas->Brush()->SetColor(color);
    if (up)
        canvas->Polygon(
            {{cx - half, cy + half / 2}, {cx + half, cy + half / 2}, {cx, cy - half / 2 - 1}});
    else
        canvas->Polygon(
            {{cx - half, cy - half / 2}, {cx + half, cy - half / 2}, {cx, cy + half / 2 + 1}});
}

void DrawClassicPart(TCanvas* canvas, const TPartDrawing& drawing, const TRect& r) {
    DrawFace(canvas, r, drawing.States);
    switch (drawing.Part) {
    case TThemePart::SpinUp:
    case TThemePart::ScrollArrowUp:
        DrawArrow(canvas, r, true, drawing.States);
        break;
    case TThemePart::ComboDropDown:
    case TThemePart::SpinDown:
    case TThemePart::ScrollArrowDown:
        DrawArrow(canvas, r, false, drawing.States);
        break;
    default:
        break;
    }
}

} // namespace

TVisualStyleTable::TVisualStyleTable(std::string unitName) : FUnitName(std::move(unitName)) {
    LoadThemeLibrary();
}

TVisualStyleTable::~TVisualStyleTable() = default;

void TVisualStyleTable::LoadThemeLibrary() {
    FLoaded = true;
}

void TVisualStyleTable::FreeThemeLibrary() {
    FOpen.clear();
    FLoaded = false;
}

HTHEME TVisualStyleTable::OpenThemeData(const TControl*, std::string_view ClassList) {
    if (!FLoaded)
        return nullptr;
    while (!ClassList.empty()) {
        size_t end = ClassList.find(';');
        if (auto themeClass = ClassFromName(ClassList.substr(0, end))) {
            FOpen.push_back(std::make_unique<TThemeData>(TThemeData{*themeClass}));
            return FOpen.back().get();
        }
        ClassList = end == std::string_view::npos ? std::string_view() : ClassList.substr(end + 1);
    }
    return nullptr;
}

void TVisualStyleTable::CloseThemeData(HTHEME Theme) {
    std::erase_if(FOpen, [Theme](const auto& open) { return open.get() == Theme; });
}

bool TVisualStyleTable::IsOpen(HTHEME Theme) const {
    return Theme != nullptr && std::any_of(FOpen.begin(), FOpen.end(), [Theme](const auto& open) {
               return open.get() == Theme;
           });
}

void TVisualStyleTable::DrawThemeBackground(HTHEME Theme, TCanvas* Canvas, int PartId, int StateId,
                                            const TRect& r) const {
    if (!IsOpen(Theme) || Canvas == nullptr || r.IsEmpty())
        return;
    std::optional<TPartDrawing> drawing = PartFor(Theme->Class, PartId, StateId);
    if (drawing && !DrawThemePart(Canvas, drawing->Part, drawing->States, r))
        DrawClassicPart(Canvas, *drawing, r);
}

bool TVisualStyleTable::GetCurrentThemeName(std::string& FileName, std::string& ColorName,
                                            std::string& SizeName) const {
    if (!FLoaded)
        return false;
    FileName = "Desktop";
    ColorName = "NormalColor";
    SizeName = "NormalSize";
    return true;
}

TVisualStyleTable& ExXPVS() {
    static TVisualStyleTable table("ExXPVS");
    return table;
}

TVisualStyleTable& ATXPVS() {
    static TVisualStyleTable table("ATXPVS");
    return table;
}
