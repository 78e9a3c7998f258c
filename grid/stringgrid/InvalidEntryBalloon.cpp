#include "grid/stringgrid/InvalidEntryBalloon.h"

#include "platform/ui/BalloonWindow.h"

TBalloonWindow* InvalidEntryBalloonOf(const TWinControl* Control) {
    for (int i = 0; i < Control->ComponentCount(); ++i)
        if (auto* balloon = dynamic_cast<TBalloonWindow*>(Control->Components(i)))
            if (balloon->Tool() == Control)
                return balloon;
    return nullptr;
}

namespace {
TBalloonWindow* BalloonOf(TWinControl* Control) {
    TBalloonWindow* balloon = InvalidEntryBalloonOf(Control);
    return balloon ? balloon : new TBalloonWindow(Control);
}
} // namespace

TBalloonWindow* ShowInvalidEntryBalloon(TWinControl* Control, const std::string& Title,
                                        const std::string& Text, TInvalidEntryIcon Icon) {
    if (!Control || (Title.empty() && Text.empty()))
        return nullptr;
    TBalloonWindow* balloon = BalloonOf(Control);
    balloon->OnGetText = [Text](TBalloonWindow*, TPoint, std::string& tip) { tip = Text; };
    balloon->SetTitle(static_cast<int>(Icon), Title);
    balloon->Popup(Control->ClientToScreen(TPoint{Control->Width() / 2, Control->Height()}));
    return balloon;
}
