#include "grid/dropdown/ExCalculatorDropdown.h"

#include "grid/dropdown/ButtonAppearance.h"
#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/stringgrid/ExButtonAppearance.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/core/CodePage.h"
#include "platform/core/FormatSettings.h"

namespace {
constexpr int KeypadHeight = 150;
constexpr int CalculatorPopupWidth = 230;

bool IsDigitKey(TChar Key) {
    return Key >= u'0' && Key <= u'9';
}

// The first character of a locale separator, as a typed key.
TChar SeparatorKey(const std::string& Separator) {
    const std::u16string wide = Utf8ToUtf16(Separator);
    return wide.empty() ? TChar{0} : static_cast<TChar>(wide[0]);
}
} // namespace

// --- the edit as the engine's display ------------------------------------------------------------

std::string TExCalculatorDropdown::TEditDisplay::Text() const {
    return FEdit.Text();
}

void TExCalculatorDropdown::TEditDisplay::SetText(const std::string& Value) {
    // Digits are written as typed; only SetFloatValue formats the number.
    FEdit.SetTextDirect(FEdit.Prefix() + Value + FEdit.Suffix());
}

void TExCalculatorDropdown::TEditDisplay::SetFloatValue(double Value) {
    FEdit.SetFloatValue(Value);
}

int TExCalculatorDropdown::TEditDisplay::MaxLength() const {
    return FEdit.MaxLength();
}

void TExCalculatorDropdown::TEditDisplay::SetModified() {
    FEdit.SetModified(true);
}

// --- construction --------------------------------------------------------------------------------

TExCalculatorDropdown::TExCalculatorDropdown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>()) {
    // The base applied its first style before this object existed.
    FCalcButtonAppearance->TakeStyleColors(*ButtonAppearance(), GetComponentStyle());
    SetDropDownColor(0xFFFFFF);
    SetDropDownWidth(CalculatorPopupWidth);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetEditType(etFloat);
    SetPrecision(2);
    if (Text().empty())
        SetFloatValue(0);
    CreateControls();
}

TExCalculatorDropdown::~TExCalculatorDropdown() = default;

void TExCalculatorDropdown::SetComponentStyle(TULKStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    if (FCalcButtonAppearance)
        FCalcButtonAppearance->TakeStyleColors(*ButtonAppearance(), AStyle);
}

void TExCalculatorDropdown::SetCalcButtonAppearance(const TButtonAppearance& Value) {
    FCalcButtonAppearance->Assign(Value);
}

void TExCalculatorDropdown::SetShowThousandSeparator(bool Value) {
    if (Value == FShowThousandSeparator)
        return;
    FShowThousandSeparator = Value;
    const double shown = GetFloatValue();
    SetEditType(Value ? etMoney : etFloat);
    SetFloatValue(shown);
}

double TExCalculatorDropdown::Value() {
    return FEngine.Value();
}

void TExCalculatorDropdown::SetValue(double Value) {
    FEngine.SetValue(Value);
}

void TExCalculatorDropdown::CalcResult() {
    FEngine.CalcEquals();
}

// --- the popup -----------------------------------------------------------------------------------

void TExCalculatorDropdown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FExButtonPanel) {
        FExButtonPanel = new TCustomButtonPanel(this);
        FExButtonPanel->SetParent(DropDownForm()->ClientArea());
        FExButtonPanel->SetExDropDown(this);
        FExButtonPanel->SetEdit(this);
        FExButtonPanel->SetBounds(0, 0, CalculatorPopupWidth, KeypadHeight);
        FExButtonPanel->CreateButtons();
    }
    SetControl(FExButtonPanel);
    FExButtonPanel->OnButtonClick = [this](TObject*, int Index) { CalculatorButtonClick(Index); };
}

void TExCalculatorDropdown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (FExButtonPanel) {
        FExButtonPanel->SetButtonAppearance(*FCalcButtonAppearance);
        FExButtonPanel->SetColor(DropDownColor());
        FExButtonPanel->ArrangeButtons();
    }
    FEngine.StartNewNumber();
    FCalcClosed = false;
}

void TExCalculatorDropdown::DoHideDropDown(bool Cancelled) {
    const bool wasOpen = DropDownForm() && DropDownForm()->Visible();
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (Cancelled && wasOpen && !DropDownForm()->Visible())
        FEngine.DropPendingOperation();
}

bool TExCalculatorDropdown::PopupShowing() const {
    return !FCalcClosed && DropDownForm() && DropDownForm()->Visible();
}

void TExCalculatorDropdown::Act(TCalcKeyAction Action) {
    if (Action == TCalcKeyAction::CloseAccepted)
        DoHideDropDown(false);
    else if (Action == TCalcKeyAction::CloseCancelled)
        DoHideDropDown(true);
}

void TExCalculatorDropdown::CalculatorButtonClick(int Index) {
    if (!FExButtonPanel || Index < 0 || Index >= FExButtonPanel->Buttons()->Count())
        return;
    BeforeCalculate();
    FEngine.PressButton(FExButtonPanel->Buttons()->GetItem(Index)->Tag());
}

// --- keys ----------------------------------------------------------------------------------------

void TExCalculatorDropdown::StartNumberWith(TChar Digit) {
    FDisplay.SetText(std::string(1, static_cast<char>(Digit)));
    SetSelStart(static_cast<int>(Utf8ToUtf16(Prefix()).size()) + 1);
    SetSelLength(0);
}

void TExCalculatorDropdown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_DELETE &&
        (Text().empty() || Text() == TCalculatorEngine::ErrorText)) {
        // The edit would delete only after its handlers; "Error" gives way to 0 instead.
        FEngine.EditDeleteKey();
        Message.Result = 1;
        return;
    }
    if (Message.Msg != WM_CHAR) {
        TExCustomDropDown::WndProc(Message);
        return;
    }
    auto key = static_cast<TChar>(Message.WParam);
    CalculatorKeyPress(key);
    if (key == 0) {
        Message.Result = 1;
        return;
    }
    Message.WParam = key;
    TExCustomDropDown::WndProc(Message);
}

void TExCalculatorDropdown::CalculatorKeyPress(TChar& Key) {
    const TChar decimal = SeparatorKey(CurrentFormatSettings().DecimalSeparator);
    const TChar thousand = SeparatorKey(CurrentFormatSettings().ThousandSeparator);
    // With the popup closed, operator keys act at once; they never type into the number.
    if (!PopupShowing() && FEngine.ClosedPopupKey(Key)) {
        Key = 0;
        return;
    }
    // In the open popup the key-down of Backspace has already taken a character off.
    const bool backspaceTyped = Key == VK_BACK && !PopupShowing();
    if (!IsDigitKey(Key) && Key != decimal && !backspaceTyped) {
        Key = 0;
        return;
    }
    const std::string shown = Text();
    if (IsDigitKey(Key) && (shown == "0" || FEngine.NewNumberPending())) {
        StartNumberWith(Key);
        FEngine.NewNumberStarted();
        Key = 0;
        return;
    }
    if (Key == VK_BACK && Utf8ToUtf16(shown).size() == 1) {
        StartNumberWith(u'0');
        Key = 0;
        return;
    }
    if (Key == thousand ||
        (Key == decimal &&
         shown.find(CurrentFormatSettings().DecimalSeparator) != std::string::npos))
        Key = 0;
}

void TExCalculatorDropdown::DropDownFormKeyPress(TChar& Key) {
    // Enter computes here, once; typed into the edit it would compute a second time there.
    if (Key != u'\r')
        TExCustomDropDown::DropDownFormKeyPress(Key);
    BeforeCalculate();
    Act(FEngine.ProcessCalcKey(Key));
}

void TExCalculatorDropdown::DropDownFormKeyDown(WORD& Key, TShiftState Shift) {
    // Enter closes the popup with its character, after the result is computed.
    if (Key != VK_RETURN)
        TExCustomDropDown::DropDownFormKeyDown(Key, Shift);
    Act(FEngine.PopupKeyDown(Key));
}
