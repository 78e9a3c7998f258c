#include "grid/dropdown/ExTrackBarDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/core/IntegerConversion.h"
#include "platform/ui/Keys.h"
#include "platform/ui/TrackBar.h"

#include <string>

namespace {
constexpr int TrackBarHeight = 40;

// The keys a focused track bar moves its thumb with.
bool IsThumbKey(WORD Key, TShiftState Shift) {
    if (Shift.Contains(ssAlt))
        return false;
    switch (Key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
        return true;
    default:
        return false;
    }
}
} // namespace

TExTrackBarDropDown::TExTrackBarDropDown(TComponent* AOwner) : TExCustomDropDown(AOwner) {
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    SetEditType(etNumeric);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetForceShadow(true);
    CreateControls();
    // The edit shows the value from the start, not only after its first change.
    SetTextDirect(std::to_string(FPosition));
}

TExTrackBarDropDown::~TExTrackBarDropDown() = default;

void TExTrackBarDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm())
        return;
    if (!FTrackBar) {
        FTrackBar = new TTrackBar(this);
        FTrackBar->SetParent(DropDownForm()->ClientArea());
        FTrackBar->SetBounds(0, 0, FTrackBar->Width(), TrackBarHeight);
        FTrackBar->SetMin(FMin);
        FTrackBar->SetMax(FMax);
        FTrackBar->SetPosition(FPosition);
        FTrackBar->SetPageSize(FPageSize);
        FTrackBar->SetFrequency(FFrequency);
    }
    FTrackBar->OnChange = [this](TObject*) { TrackBarChange(); };
}

void TExTrackBarDropDown::DoBeforeDropDown() {
    TExCustomDropDown::DoBeforeDropDown();
    if (DropDownForm())
        DropDownForm()->SetCancelOnDeActivate(false);
    if (!FTrackBar)
        return;
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
    SetControl(FTrackBar);
}

// Passed on, the edit would step the value a second time (Up, Down) or, as a cell editor, take
// the key as the end of the edit before the thumb has moved.
void TExTrackBarDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (!IsThumbKey(Key, Shift))
        TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExTrackBarDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (!IsThumbKey(Key, Shift))
        TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExTrackBarDropDown::TakeTrackBarValues() {
    if (!FTrackBar)
        return;
    FMin = FTrackBar->Min();
    FMax = FTrackBar->Max();
    FPosition = FTrackBar->Position();
}

void TExTrackBarDropDown::SetMin(int Value) {
    FMin = Value;
    if (FTrackBar) {
        FTrackBar->SetMin(Value);
        TakeTrackBarValues();
    }
}

void TExTrackBarDropDown::SetMax(int Value) {
    FMax = Value;
    if (FTrackBar) {
        FTrackBar->SetMax(Value);
        TakeTrackBarValues();
    }
}

void TExTrackBarDropDown::SetPosition(int Value) {
    FPosition = Value;
    if (FTrackBar) {
        FTrackBar->SetPosition(Value);
        FPosition = FTrackBar->Position();
    }
}

void TExTrackBarDropDown::SetFrequency(int Value) {
    FFrequency = Value;
    if (FTrackBar)
        FTrackBar->SetFrequency(Value);
}

void TExTrackBarDropDown::SetPageSize(int Value) {
    FPageSize = Value;
    if (FTrackBar)
        FTrackBar->SetPageSize(Value);
}

void TExTrackBarDropDown::TrackBarChange() {
    if (!FTrackBar)
        return;
    FPosition = FTrackBar->Position();
    SetTextDirect(std::to_string(FPosition));
    FireEvent(OnTrackChange, static_cast<TObject*>(this));
}

void TExTrackBarDropDown::WndProc(TMessage& Message) {
    TExCustomDropDown::WndProc(Message);
    if (Message.Msg != WM_KEYDOWN || EditorEnabled())
        return;
    const TShiftState shift = KeyDataToShiftState(Message.LParam) + CurrentShiftState();
    if (shift.Contains(ssAlt))
        return;
    // Up lowers and Down raises the value, a step short of the ends does nothing.
    const long long up = static_cast<long long>(FPosition) - FFrequency;
    const long long down = static_cast<long long>(FPosition) + FFrequency;
    if (Message.WParam == VK_UP && up >= FMin)
        SetPosition(static_cast<int>(up));
    else if (Message.WParam == VK_DOWN && down <= FMax)
        SetPosition(static_cast<int>(down));
}

void TExTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomDropDown::MouseDown(Button, Shift, X, Y);
    if (!DragAllowed())
        return;
    FMouseX = X;
    FMouseDraging = true;
}

void TExTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y) {
    TExCustomDropDown::MouseMove(Shift, X, Y);
    if (!DragAllowed() || !FMouseDraging)
        return;
    const int moved = X - FMouseX;
    FMouseX = X;
    // Moves shorter than a page between two events are lost, as designed; no page, no drag.
    if (FPageSize > 0)
        SetPosition(FPosition + moved / FPageSize);
}

void TExTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDraging = false;
}

void TExTrackBarDropDown::Change() {
    TExCustomDropDown::Change();
    int32_t value = 0;
    if (TryStrToInt(Text(), value))
        SetPosition(value);
}
