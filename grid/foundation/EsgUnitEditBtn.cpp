#include "grid/foundation/EsgUnitEditBtn.h"

#include "grid/foundation/EsgEditButton.h"
#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Menus.h"

namespace {
// The notification code of a changed edit text: such a command comes from the edit, not the
// menu.
constexpr unsigned EN_CHANGE = 0x0300;
} // namespace

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner)
    : TEsgEditBtn(AOwner), FUnits(std::make_unique<TStringList>()) {
    FUnitSize = 20;
    FRightAlign = true;
    SetAlignment(taRightJustify);
    UpdateLayout();
}

TEsgUnitEditBtn::~TEsgUnitEditBtn() = default;

void TEsgUnitEditBtn::SetUnits(const TStringList* value) {
    if (!value || value == FUnits.get())
        return;
    FUnits->Clear();
    for (const std::string& line : *value)
        FUnits->Add(line);
}

void TEsgUnitEditBtn::SetUnitID(const std::string& value) {
    FUnitID = value;
    Invalidate();
}

void TEsgUnitEditBtn::SetUnitSpace(int value) {
    FUnitSize = value;
    SetEditRectBesideButton();
    Invalidate();
}

std::string TEsgUnitEditBtn::TextAndUnit() const {
    return Text() + FUnitID;
}

void TEsgUnitEditBtn::SetTextAndUnit(const std::string& value) {
    for (const std::string& unit : *FUnits) {
        if (unit.empty() || unit.size() > value.size())
            continue;
        // The unit's first occurrence must end the value, and list order decides: with "m"
        // listed before "km", "12km" is 12k and m; "m5m" fits no unit "m" at all.
        const size_t first = value.find(unit);
        if (first == std::string::npos || first != value.size() - unit.size())
            continue;
        SetText(value.substr(0, first));
        SetUnitID(value.substr(first));
        return;
    }
}

void TEsgUnitEditBtn::DoClickBtn(TObject* Sender) {
    (void)Sender;
    if (OnClickBtn)
        OnClickBtn(this);
    // The menu lives while it is tracked; its commands come back as WM_COMMAND.
    TPopupMenu menu(nullptr);
    for (int i = 0; i < FUnits->Count(); ++i) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption((*FUnits)[i]);
        const WPARAM command = static_cast<WPARAM>(i + 1);
        item->OnClick = [this, command](TObject*) { Perform(WM_COMMAND, command); };
        menu.Items()->Add(item);
    }
    const TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
    PopupUnitMenu(&menu, at);
}

void TEsgUnitEditBtn::PopupUnitMenu(TPopupMenu* Menu, TPoint At) {
    Menu->Popup(At.X, At.Y);
}

void TEsgUnitEditBtn::WndProc(TMessage& Message) {
    if (Message.Msg == WM_COMMAND)
        HandleCommand(Message);
    else
        TEsgEditBtn::WndProc(Message);
}

void TEsgUnitEditBtn::HandleCommand(TMessage& Message) {
    if (HIWORD(Message.WParam) == EN_CHANGE)
        return;
    const int item = LOWORD(Message.WParam);
    if (item < 1 || item > FUnits->Count())
        return;
    const std::string previous = FUnitID;
    SetUnitID((*FUnits)[item - 1]);
    if (FUnitID != previous && OnUnitChanged)
        OnUnitChanged(this, FUnitID);
}

void TEsgUnitEditBtn::PaintOver() {
    const int right = ClientWidth() - (Button()->Width() + 3);
    TRect r = Rect(right - FUnitSize, 2, right, ClientHeight());
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    canvas->Brush()->SetStyle(bsClear);
    // Centred as the platform's edit centres its text, so unit and value share a line.
    canvas->DrawText(FUnitID, r, DT_EDITCONTROL | DT_SINGLELINE | DT_VCENTER);
}
