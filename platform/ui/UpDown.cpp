#include "platform/ui/UpDown.h"

#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/internal/ControlImpl.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string WithThousands(int value) {
    const std::string digits = std::to_string(value < 0 ? -static_cast<long long>(value) : value);
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

} // namespace

struct TUpDown::Impl {
    TWinControl* Associate = nullptr;
    // The associated control may be freed first; it is used only while this says it lives.
    std::weak_ptr<bool> AssociateAlive;

    TWinControl* LiveAssociate() const {
        const auto alive = AssociateAlive.lock();
        return alive && *alive ? Associate : nullptr;
    }
};

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner), FImpl(std::make_unique<Impl>()) {
    // Steps are reported as OnClick with the button, not as plain clicks.
    SetControlStyle(ControlStyle() >> csClickEvents >> csDoubleClicks);
    SetBounds(0, 0, 17, 25);
}

TUpDown::~TUpDown() = default;

TWinControl* TUpDown::Associate() const {
    return FImpl->LiveAssociate();
}

void TUpDown::SetAssociate(TWinControl* value) {
    FImpl->Associate = value;
    FImpl->AssociateAlive = value != nullptr ? TControlAccess::Alive(value) : std::weak_ptr<bool>();
    PlaceBesideAssociate();
    ShowPosition();
}

void TUpDown::SetMin(int value) {
    FMin = value;
    SetPosition(FPosition);
}

void TUpDown::SetMax(int value) {
    FMax = value;
    SetPosition(FPosition);
}

void TUpDown::SetPosition(int value) {
    FPosition = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    ShowPosition();
}

void TUpDown::SetThousands(bool value) {
    FThousands = value;
    ShowPosition();
}

void TUpDown::SetOrientation(TUDOrientation value) {
    FOrientation = value;
    Invalidate();
}

void TUpDown::ShowPosition() {
    if (TWinControl* associate = Associate())
        associate->SetText(FThousands ? WithThousands(FPosition) : std::to_string(FPosition));
}

void TUpDown::ReadAssociate() {
    TWinControl* associate = Associate();
    int32_t value = 0;
    if (associate != nullptr && TryStrToInt(ReplaceAll(associate->Text(), ",", ""), value))
        FPosition = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
}

void TUpDown::PlaceBesideAssociate() {
    TWinControl* associate = Associate();
    if (associate == nullptr)
        return;
    if (associate->Parent() != Parent())
        SetParent(associate->Parent());
    SetBounds(associate->Left() + associate->Width(), associate->Top(), Width(),
              associate->Height());
}

void TUpDown::Step(TUDBtnType button) {
    ReadAssociate();
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return;
    const int low = std::min(FMin, FMax);
    const int high = std::max(FMin, FMax);
    // Min above Max turns the buttons round, as in the framework.
    const int direction = (button == btNext) == (FMin <= FMax) ? 1 : -1;
    long long next = static_cast<long long>(FPosition) + direction * FIncrement;
    if (next > high)
        next = FWrap ? low : high;
    else if (next < low)
        next = FWrap ? high : low;
    SetPosition(static_cast<int>(next));
    if (OnClick)
        OnClick(this, button);
}

void TUpDown::Paint() {
    TCanvas* canvas = Canvas();
    const bool vertical = FOrientation == udVertical;
    // The first half holds the up button (vertical) or the down button (horizontal, on the left).
    const TRect halves[] = {vertical ? Rect(0, 0, Width(), Height() / 2)
                                     : Rect(0, 0, Width() / 2, Height()),
                            vertical ? Rect(0, Height() / 2, Width(), Height())
                                     : Rect(Width() / 2, 0, Width(), Height())};
    const TColor arrowColor = Enabled() ? clBtnText : clGrayText;
    for (int i = 0; i < 2; ++i) {
        const TRect& r = halves[i];
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->Brush()->SetColor(clBtnFace);
        canvas->Rectangle(r);
        const int cx = (r.Left + r.Right) / 2;
        const int cy = (r.Top + r.Bottom) / 2;
        const int d = i == 0 ? -1 : 1; // towards the start, or towards the end
        const std::vector<TPoint> arrow =
            vertical ? std::vector<TPoint>{{cx - 3, cy - d}, {cx + 3, cy - d}, {cx, cy + 2 * d}}
                     : std::vector<TPoint>{{cx - d, cy - 3}, {cx - d, cy + 3}, {cx + 2 * d, cy}};
        canvas->Pen()->SetColor(arrowColor);
        canvas->Brush()->SetColor(arrowColor);
        canvas->Polygon(arrow);
    }
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const bool firstHalf = FOrientation == udVertical ? Y < Height() / 2 : X < Width() / 2;
    const bool stepsUp = FOrientation == udVertical ? firstHalf : !firstHalf;
    Step(stepsUp ? btNext : btPrev);
}

void TUpDown::KeyDown(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_UP || Key == VK_RIGHT) {
        Step(btNext);
        Key = 0;
    } else if (Key == VK_DOWN || Key == VK_LEFT) {
        Step(btPrev);
        Key = 0;
    }
}
