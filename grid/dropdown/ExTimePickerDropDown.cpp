#include "grid/dropdown/ExTimePickerDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownValueText.h"
#include "grid/dropdown/ExWatch.h"
#include "grid/dropdown/WatchTime.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/core/CodePage.h"
#include "platform/core/FormatSettings.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Panel.h"

#include <algorithm>
#include <optional>

using WatchTime::Decode;
using WatchTime::TTimeParts;

namespace {

constexpr int WatchPanelSize = 170;
constexpr int PanelStartHeight = 180;
enum { FieldHour, FieldMinute, FieldSecond };

std::string Trim(const std::string& S) {
    const size_t first = S.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return S.substr(first, S.find_last_not_of(' ') - first + 1);
}

std::string AfterFirst(const std::string& S, const std::string& Separator) {
    const size_t at = S.find(Separator);
    return at == std::string::npos ? std::string() : S.substr(at + Separator.size());
}

std::string BeforeFirst(const std::string& S, const std::string& Separator) {
    return S.substr(0, S.find(Separator));
}

// The separators where the fields need them: one after the hour, and one after the minute
// exactly when seconds are shown.
bool IsValidTimeText(const std::string& Text, const std::string& T, bool Seconds) {
    if (Text.find(T) == std::string::npos)
        return false;
    std::string rest = Trim(AfterFirst(Text, T));
    if ((rest.find(T) != std::string::npos) != Seconds)
        return false;
    if (Seconds)
        rest = Trim(AfterFirst(rest, T));
    return rest.find(T) == std::string::npos;
}

std::string BlanksToZeros(std::string S) {
    std::replace(S.begin(), S.end(), ' ', '0');
    return S;
}

// A field of digits only (the empty field counts as 0); no value for anything else.
std::optional<int> FieldValue(const std::string& Part) {
    if (Part.size() > 2 ||
        !std::all_of(Part.begin(), Part.end(), [](char C) { return C >= '0' && C <= '9'; }))
        return std::nullopt;
    return Part.empty() ? 0 : std::stoi(Part);
}

bool IsNavigationKey(WORD Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

// Page and arrow keys belong to the clock and the picker, unless Alt opens or closes the popup.
bool PassesNavigationFilter(WORD Key, TShiftState Shift) {
    return !IsNavigationKey(Key) || Shift.Contains(ssAlt);
}

} // namespace

std::string GetTimeSeparator() {
    return CurrentFormatSettings().TimeSeparator;
}

TExTimePickerDropDown::TExTimePickerDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>()),
      FWatchSettings(std::make_unique<TWatchSettings>()) {
    // The base applied its first style before the clock's look existed.
    ApplyWatchComponentStyle(*FWatchAppearance, GetComponentStyle());
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    FInternalCall = true;
    SetEditMask(EditMaskFor(true));
    SetTextDirect(FormatTime(0, 0, 0));
    FInternalCall = false;
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    CreateControls();
}

TExTimePickerDropDown::~TExTimePickerDropDown() = default;

std::string TExTimePickerDropDown::EditMaskFor(bool Seconds) const {
    const std::string t = GetTimeSeparator();
    return Seconds ? "!90" + t + "00" + t + "00;1; " : "!90" + t + "00;1; ";
}

std::string TExTimePickerDropDown::FormatTime(int H, int M, int S) const {
    auto two = [](int V) {
        const std::string digits = std::to_string(V);
        return digits.size() == 1 ? "0" + digits : digits;
    };
    const std::string t = GetTimeSeparator();
    return FShowSeconds ? two(H) + t + two(M) + t + two(S) : two(H) + t + two(M);
}

std::string TExTimePickerDropDown::ShownValue() const {
    return ValueOfEditText(EditText(), Prefix(), Suffix());
}

void TExTimePickerDropDown::SetComponentStyle(TULKStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    if (FWatchAppearance)
        ApplyWatchComponentStyle(*FWatchAppearance, AStyle);
}

// --- the value -----------------------------------------------------------------------------------

void TExTimePickerDropDown::SetTime(TDateTime Value) {
    if (Value == FTime)
        return;
    FTime = Value;
    const TTimeParts p = Decode(Value);
    // The change handling reads the text back: the date, milliseconds and hidden seconds go.
    SetTextDirect(FormatTime(p.H, p.M, p.S));
    if (!DroppedDown())
        return;
    if (FExWatch)
        FExWatch->SetTime(Value);
    if (FShowTimePicker && FDateTimePicker)
        FDateTimePicker->SetTime(Value);
}

void TExTimePickerDropDown::SetShowSeconds(bool Value) {
    if (Value == FShowSeconds)
        return;
    FShowSeconds = Value;
    const TDateTime shown = FTime;
    FInternalCall = true;
    SetEditMask("");
    SetText("");
    SetEditMask(EditMaskFor(Value));
    FInternalCall = false;
    // Differs from any time, so the write below rewrites the text.
    FTime = FTime + 1;
    SetTime(shown);
}

void TExTimePickerDropDown::Change() {
    TExCustomDropDown::Change();
    ParseShownText();
}

void TExTimePickerDropDown::ParseShownText() {
    const std::string text = ShownValue();
    const size_t wholeLength = FShowSeconds ? 8 : 5;
    if (text.empty() || FInternalCall || Utf8ToUtf16(Trim(text)).size() != wholeLength)
        return;
    const std::string t = GetTimeSeparator();
    if (!IsValidTimeText(text, t, FShowSeconds))
        return;
    const std::string zeros = BlanksToZeros(text);
    const std::optional<int> hour = FieldValue(Trim(BeforeFirst(zeros, t)));
    std::string rest = Trim(AfterFirst(zeros, t));
    const std::optional<int> minute = FieldValue(FShowSeconds ? Trim(BeforeFirst(rest, t)) : rest);
    const std::optional<int> second =
        FShowSeconds ? FieldValue(Trim(AfterFirst(rest, t))) : std::optional<int>(0);
    if (!hour || !minute || !second)
        return;
    TDateTime parsed = 0;
    // The mask takes any digits: a time that cannot be (25 o'clock) leaves Time as it was.
    if (!TGridDate::TryEncodeTime(*hour, *minute, *second, 0, parsed))
        return;
    FTime = parsed;
    const std::string normal = FormatTime(*hour, *minute, *second);
    if (normal != text && *minute == 0 && *second == 0) {
        FInternalCall = true;
        SetText(normal);
        FInternalCall = false;
    }
}

// --- key steps -----------------------------------------------------------------------------------

void TExTimePickerDropDown::WndProc(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN && !EditorEnabled() &&
        (Message.WParam == VK_UP || Message.WParam == VK_DOWN)) {
        const TShiftState shift = KeyDataToShiftState(Message.LParam) + CurrentShiftState();
        if (!shift.Contains(ssAlt) && !shift.Contains(ssCtrl)) {
            StepTimeField(static_cast<WORD>(Message.WParam));
            Message.Result = 1;
            return;
        }
    }
    TExCustomDropDown::WndProc(Message);
}

void TExTimePickerDropDown::HandleKeyDown(WORD& Key, TShiftState Shift) {
    TExCustomDropDown::HandleKeyDown(Key, Shift);
    if (GetKeyState(VK_MENU) < 0 || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl))
        return;
    if (Key == VK_UP || Key == VK_DOWN)
        StepTimeField(Key);
}

void TExTimePickerDropDown::StepTimeField(WORD Key) {
    const std::u16string text = Utf8ToUtf16(ShownValue());
    const std::u16string t = Utf8ToUtf16(GetTimeSeparator());
    const int caret = SelStart();
    const TTimeParts now = Decode(FTime);
    const int step = Key == VK_UP ? -1 : 1;
    auto wrap = [step](int Value, int Count) { return (Value + step + Count) % Count; };
    const size_t first = text.find(t);
    const int p1 = first == std::u16string::npos ? 0 : static_cast<int>(first) + 1;
    if (caret < p1) {
        SetTimeField(FieldHour, wrap(now.H, 24));
    } else {
        const std::u16string afterFirst = p1 > 0 ? text.substr(p1 - 1 + t.size()) : text;
        const size_t second = afterFirst.find(t);
        const int p2 = second == std::u16string::npos ? 0 : static_cast<int>(second) + 1;
        if (caret - p1 >= p2 && FShowSeconds)
            SetTimeField(FieldSecond, wrap(now.S, 60));
        else
            SetTimeField(FieldMinute, wrap(now.M, 60));
    }
    SetSelStart(caret);
}

void TExTimePickerDropDown::SetTimeField(int Field, int Value) {
    TTimeParts p = Decode(FTime);
    int& field = Field == FieldHour ? p.H : Field == FieldMinute ? p.M : p.S;
    const int limit = Field == FieldHour ? 23 : 59;
    if (Value == field || Value < 0 || Value > limit)
        return;
    field = Value;
    SetTime(WatchTime::Encode(p.H, p.M, p.S, p.MS));
    FireEvent(OnTimeChange, static_cast<TObject*>(this));
}

// --- the popup -----------------------------------------------------------------------------------

void TExTimePickerDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FPanelCtrl) {
        FPanelCtrl = new TPanel(this);
        FPanelCtrl->SetParent(DropDownForm()->ClientArea());
        FPanelCtrl->SetBorderWidth(0);
        FPanelCtrl->SetBevelInner(bvNone);
        FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), PanelStartHeight);
    }
    if (!FExWatch) {
        FExWatch = new TExWatch(this);
        FExWatch->SetParent(FPanelCtrl);
        FExWatch->SetAlign(alClient);
    }
    SetControl(FPanelCtrl);
}

void TExTimePickerDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    if (!FPanelCtrl || !FExWatch)
        return;
    FPanelCtrl->SetBounds(FPanelCtrl->Left(), FPanelCtrl->Top(), WatchPanelSize, WatchPanelSize);
    if (DropDownForm())
        // A click elsewhere keeps the time picked.
        DropDownForm()->SetCancelOnDeActivate(false);
    FPanelCtrl->SetColor(DropDownColor());
    FExWatch->SetAppearance(*FWatchAppearance);
    FExWatch->SetSettings(*FWatchSettings);
    FExWatch->SetShowAMPM(FShowWatchAMPM);
    FExWatch->SetShowNumbers(FShowWatchNumbers);
    FExWatch->SetAnimation(FAnimation);
    FExWatch->SetAnimationFactor(FAnimationFactor);
    FExWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto())
        FExWatch->SetTime(FTime);
    FExWatch->OnChange = [this](TObject*) { WatchChange(); };
    if (!FShowTimePicker) {
        if (FDateTimePicker)
            FDateTimePicker->SetVisible(false);
        return;
    }
    ShowTimePickerUnderWatch();
}

void TExTimePickerDropDown::ShowTimePickerUnderWatch() {
    if (!FDateTimePicker) {
        FDateTimePicker = new TDateTimePicker(this);
        FDateTimePicker->SetParent(FPanelCtrl);
        FDateTimePicker->SetKind(dtkTime);
    }
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetAlign(alBottom);
    FDateTimePicker->SetVisible(true);
    FDateTimePicker->SetTime(FTime);
    FDateTimePicker->BringToFront();
    FDateTimePicker->OnChange = [this](TObject*) { TimePickerChange(); };
    FDateTimePicker->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
        PopupControlKeyDown(Key, Shift);
    };
    FDateTimePicker->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) {
        ControlKeyUp(Key, Shift);
    };
    FDateTimePicker->OnKeyPress = [this](TObject*, TChar& Key) { ControlKeyPress(Key); };
    FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
    FPanelCtrl->SetHeight(FDateTimePicker->Height() + WatchPanelSize);
}

void TExTimePickerDropDown::WatchChange() {
    if (!FExWatch)
        return;
    const bool pickerBehind =
        FDateTimePicker && FShowTimePicker && FDateTimePicker->Time() != FExWatch->Time();
    if (pickerBehind)
        FDateTimePicker->SetTime(FExWatch->Time());
    // A handler of the event reads the new time.
    SetTime(FExWatch->Time());
    if (pickerBehind)
        FireEvent(OnTimeChange, static_cast<TObject*>(this));
}

void TExTimePickerDropDown::TimePickerChange() {
    if (FDateTimePicker && FExWatch && !FWatchSettings->Auto())
        FExWatch->SetTime(FDateTimePicker->Time());
}

void TExTimePickerDropDown::DoHideDropDown(bool Cancelled) {
    TExCustomDropDown::DoHideDropDown(Cancelled);
    if (!FExWatch)
        return;
    if (Cancelled)
        FExWatch->SetTime(FTime);
    else
        SetTime(FExWatch->Time());
}

void TExTimePickerDropDown::DropDownFormHide() {
    TExCustomDropDown::DropDownFormHide();
    if (FExWatch)
        SetTime(FExWatch->Time());
}

void TExTimePickerDropDown::DropDownFormKeyDown(WORD& Key, TShiftState Shift) {
    const WORD pressed = Key;
    if (PassesNavigationFilter(Key, Shift))
        TExCustomDropDown::DropDownFormKeyDown(Key, Shift);
    if (DropDownForm() && DropDownForm()->Visible() && FExWatch)
        FExWatch->HandleWatchKey(pressed);
}

void TExTimePickerDropDown::DropDownFormKeyUp(WORD& Key, TShiftState Shift) {
    if (PassesNavigationFilter(Key, Shift))
        TExCustomDropDown::DropDownFormKeyUp(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (PassesNavigationFilter(Key, Shift))
        TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExTimePickerDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (PassesNavigationFilter(Key, Shift))
        TExCustomDropDown::ControlKeyUp(Key, Shift);
}
