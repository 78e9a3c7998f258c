// The clock's time, input, timers and hand animation.
#include "grid/dropdown/ExWatch.h"

#include "grid/dropdown/WatchTime.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/LayoutRounding.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Timer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using WatchTime::Decode;
using WatchTime::Encode;
using WatchTime::TTimeParts;

namespace {

constexpr int WatchSize = 180;
constexpr unsigned RunningInterval = 100;
constexpr unsigned AnimationInterval = 1;
constexpr double MinutesPerDay = 1440.0;

} // namespace

TExWatch::TExWatch(TComponent* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FBKGCache(std::make_unique<TBitmap>()) {
    // The cache covers the whole client area, so nothing needs filling before a paint.
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
    FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = new TTimer(this);
    FWatchTimer->SetEnabled(FSettings->Auto());
    FWatchTimer->SetInterval(RunningInterval);
    FWatchTimer->SetOnTimer([this](TObject*) { RefreshPointers(); });
    FAnimationTimer = new TTimer(this);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->SetInterval(AnimationInterval);
    FAnimationTimer->SetOnTimer([this](TObject*) { AnimationTimerTick(); });
    SetBounds(Left(), Top(), WatchSize, WatchSize);
    FBKGCache->SetSize(Width(), Height());
}

TExWatch::~TExWatch() {
    FAnimationTimer->SetEnabled(false);
    FWatchTimer->SetEnabled(false);
}

// --- time ---------------------------------------------------------------------------------------

TDateTime TExWatch::GetCurrentTime() const {
    if (FSettings->Auto())
        return SpinDateTimeText::Now() + FSettings->TimeOffset() / MinutesPerDay;
    return FTime;
}

void TExWatch::SetTime(TDateTime Value) {
    if (Value == FTime)
        return;
    SetTimeInternal(Value);
    RefreshPointers();
}

void TExWatch::SetTimeInternal(TDateTime T) {
    if (T == FTime)
        return;
    FTime = T;
    FInternalSet = true;
    SetAMPM(Decode(T).H < 12);
    FInternalSet = false;
}

bool TExWatch::Immediate() const {
    return !FAnimation || FInternalCall || ComponentState().Contains(csLoading) ||
           ComponentState().Contains(csDesigning);
}

void TExWatch::EncodeAndShow(int H, int M, int S, int MS) {
    SetTimeInternal(Encode(H, M, S, MS));
    RefreshPointers();
    NotifyChange();
}

bool TExWatch::Animating() const {
    return FAnimationTimer->Enabled();
}

void TExWatch::NotifyChange() {
    if (Animating()) {
        const TTimeParts now = Decode(FTime);
        const bool arrived = FHourAnimating ? now.H == FCurrentHourTo : now.M == FCurrentMinuteTo;
        if (!arrived)
            return;
    }
    FireEvent(OnChange, static_cast<TObject*>(this));
}

void TExWatch::SetHour(uint8_t Value) {
    // Refused before anything moves, so no animation can run towards an hour that cannot be.
    if (Value > 23)
        throw Exception("Invalid time");
    const TTimeParts now = Decode(GetCurrentTime());
    if (Value == now.H)
        return;
    if (Immediate()) {
        EncodeAndShow(Value, now.M, now.S, now.MS);
        return;
    }
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
}

void TExWatch::SetMinute(uint8_t Value) {
    TTimeParts now = Decode(GetCurrentTime());
    if (Value >= 60)
        throw Exception("Invalid time");
    if (Value == now.M)
        return;
    if (!Immediate()) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = static_cast<uint8_t>(now.M);
        FAnimationTimer->SetEnabled(true);
        return;
    }
    if (!FAnimation)
        FMinuteFrom = static_cast<uint8_t>(now.M);
    now.M = Value;
    // The hand passed the 12 going forward.
    if (Value == 0 && FMinuteFrom > 30) {
        now.H = (now.H + 1) % 24;
        FMinuteFrom = 0;
    }
    EncodeAndShow(now.H, now.M, now.S, now.MS);
}

// --- animation -----------------------------------------------------------------------------------

int TExWatch::AnimationStep(int Distance) const {
    if (FAnimationFactor <= 0)
        return Distance;
    return std::max(RoundHalfEven(static_cast<double>(Distance) / FAnimationFactor), 1);
}

void TExWatch::AnimationTimerTick() {
    if (!FAnimation || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDesigning))
        return;
    const TTimeParts now = Decode(GetCurrentTime());
    FInternalCall = true;
    try {
        if (FHourAnimating)
            AnimateHour(now.H);
        else
            AnimateMinute(now.M);
    } catch (...) {
        FInternalCall = false;
        FAnimationTimer->SetEnabled(false);
        throw;
    }
    FInternalCall = false;
}

void TExWatch::AnimateHour(int H) {
    const int target = FCurrentHourTo;
    if (H == target) {
        FAnimationTimer->SetEnabled(false);
        return;
    }
    const int step = AnimationStep(std::abs(target - H));
    SetHour(
        static_cast<uint8_t>(H < target ? std::min(H + step, target) : std::max(H - step, target)));
}

void TExWatch::AnimateMinute(int M) {
    const int target = FCurrentMinuteTo;
    if (M == target) {
        FAnimationTimer->SetEnabled(false);
        return;
    }
    // Towards 0 from the upper half the hand goes forward, through the 12.
    const bool throughTwelve = target == 0 && M > 30;
    const int distance = throughTwelve ? 60 - M : std::abs(target - M);
    const int step = AnimationStep(distance);
    int next = 0;
    if (M >= target && !throughTwelve)
        next = std::max(M - step, target);
    else
        next = throughTwelve ? M + std::min(step, distance) : std::min(M + step, target);
    if (next >= 60)
        next = 0;
    SetMinute(static_cast<uint8_t>(next));
}

// --- input ---------------------------------------------------------------------------------------

void TExWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings->Auto())
        return;
    if (!PointInEllipseRegion(GetFaceRect(), {X, Y})) {
        SetMinute(static_cast<uint8_t>(MinuteFromPoint(X, Y)));
        return;
    }
    if (GetAMPMRect().Contains({X, Y})) {
        if (FAnimation)
            SetAMPM(!FAM);
        // The half of the day flips at once, without moving the hand round.
        const int hour = Decode(FTime).H;
        FInternalCall = true;
        FCurrentHourTo = static_cast<uint8_t>(hour < 12 ? hour + 12 : hour - 12);
        SetHour(FCurrentHourTo);
        FInternalCall = false;
        return;
    }
    SetHour(static_cast<uint8_t>(HourFromPoint(X, Y)));
}

void TExWatch::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (ComponentState().Contains(csDesigning))
        return;
    SetCursor(GetAMPMRect().Contains({X, Y}) ? crHandPoint : crDefault);
}

void TExWatch::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0;
        return;
    }
    TCustomControl::WndProc(Message);
}

void TExWatch::HandleWatchKey(WORD Key) {
    if (FSettings->Auto())
        return;
    const TTimeParts now = Decode(GetCurrentTime());
    auto internalHour = [this](int H) {
        FInternalCall = true;
        try {
            SetHour(static_cast<uint8_t>(H));
        } catch (...) {
            FInternalCall = false;
            throw;
        }
        FInternalCall = false;
    };
    switch (Key) {
    case 'A':
        if (now.H > 11)
            SetHour(static_cast<uint8_t>(now.H - 12));
        break;
    case 'P':
        if (now.H < 12)
            SetHour(static_cast<uint8_t>(now.H + 12));
        break;
    case VK_PRIOR:
        if (now.H <= 22)
            SetHour(static_cast<uint8_t>(now.H + 1));
        else
            internalHour(0);
        break;
    case VK_NEXT:
        if (now.H > 0)
            SetHour(static_cast<uint8_t>(now.H - 1));
        else
            internalHour(23);
        break;
    case VK_END:
        SetMinute(0);
        break;
    case VK_HOME:
        internalHour(12);
        break;
    case VK_LEFT:
        if (now.M > 0)
            SetMinute(static_cast<uint8_t>(now.M - 1));
        else
            // Back over the 12 the hour goes back too; reported as every other key's change.
            EncodeAndShow(now.H == 0 ? 23 : now.H - 1, 59, now.S, now.MS);
        break;
    case VK_RIGHT:
        SetMinute(static_cast<uint8_t>(now.M < 59 ? now.M + 1 : 0));
        break;
    default:
        break;
    }
}

// --- geometry ------------------------------------------------------------------------------------

TRect TExWatch::GetFaceRect() const {
    const TRect client = ClientRect();
    const int w = client.Width();
    const int h = client.Height();
    int side = FAppearance->Size();
    side = side <= 0 ? std::min(w, h) - 20 : std::min({side, h, w});
    const int left = client.Left + (w - side) / 2;
    const int top = client.Top + (h - side) / 2;
    return Rect(left, top, left + side, top + side);
}

TPoint TExWatch::GetFaceCenter() const {
    const TRect r = GetFaceRect();
    return {r.Left + (r.Right - r.Left) / 2, r.Top + (r.Bottom - r.Top) / 2};
}

double TExWatch::GetFaceRadius() const {
    const TRect r = GetFaceRect();
    return static_cast<double>((r.Right - r.Left) / 2);
}

TRect TExWatch::GetAMPMRect() const {
    if (!FShowAMPM)
        return Rect(-1, -1, -1, -1);
    Canvas()->Font()->Assign(*FAppearance->AMPMFont());
    const TPoint extent = MeasureTextExtent(Canvas(), "AM");
    const TPoint c = GetFaceCenter();
    const int w = extent.X + 8;
    const int left = c.X - w / 2;
    const int top = c.Y + RoundHalfEven((GetFaceRadius() - extent.Y) / 3);
    return Rect(left, top, left + w, top + extent.Y);
}

int TExWatch::MinuteFromPoint(int X, int Y) const {
    const TPoint c = GetFaceCenter();
    double dy = std::abs(c.Y - Y);
    double dx = std::abs(c.X - X);
    if (dy == 0)
        dy = 1;
    if (dx == 0)
        dx = 1;
    int f = RoundHalfEven(std::atan(dy / dx) * 180 / std::numbers::pi / 6);
    if (X >= c.X && Y >= c.Y)
        f = 15 + f;
    else if (X <= c.X && Y >= c.Y)
        f = 45 - f;
    else if (X <= c.X && Y <= c.Y)
        f = 45 + f;
    else
        f = 15 - f;
    return f < 0 || f > 59 ? 0 : f;
}

int TExWatch::HourFromPoint(int X, int Y) const {
    const int k = RoundHalfEven(MinuteFromPoint(X, Y) / 5.0) % 12;
    return FAM ? k : k + 12;
}

// --- properties ----------------------------------------------------------------------------------

void TExWatch::SetShowAMPM(bool Value) {
    if (Value == FShowAMPM)
        return;
    FShowAMPM = Value;
    PaintWatch();
}

void TExWatch::SetShowNumbers(bool Value) {
    if (Value == FShowNumbers)
        return;
    FShowNumbers = Value;
    PaintWatch();
}

void TExWatch::AppearanceChanged() {
    PaintWatch();
}

void TExWatch::SettingsChanged() {
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        SetTime(SpinDateTimeText::Now());
        FInternalSet = true;
        SetAMPM(Decode(SpinDateTimeText::Now()).H < 12);
        FInternalSet = false;
    }
    PaintWatch();
}

void TExWatch::Resize() {
    TCustomControl::Resize();
    FCacheValid = false;
}
