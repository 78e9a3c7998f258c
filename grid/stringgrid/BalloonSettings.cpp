#include "grid/stringgrid/BalloonSettings.h"

#include "platform/ui/BalloonWindow.h"

void TBalloonSettings::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TBalloonSettings*>(Source);
    if (source == nullptr || source == this)
        return;
    TextColor = source->TextColor;
    BackgroundColor = source->BackgroundColor;
    InitialDelay = source->InitialDelay;
    ReshowDelay = source->ReshowDelay;
    AutoHideDelay = source->AutoHideDelay;
    FEnable = source->FEnable;
}

void TBalloonSettings::SetEnable(bool Value) {
    FEnable = Value;
    FireEvent(OnEnableChange, this);
}

TBalloonWindow* TBalloonSettings::CreateBalloonWindow(TWinControl* Tool) {
    if (FWindowCreated || Tool == nullptr)
        return nullptr;
    auto* window = new TBalloonWindow(Tool);
    FWindowCreated = true;
    window->SetTitle(TTI_ERROR, "ToolTipText");
    if (InitialDelay != -1)
        window->SetInitialDelay(InitialDelay);
    if (ReshowDelay != -1)
        window->SetReshowDelay(ReshowDelay);
    if (AutoHideDelay != -1)
        window->SetAutoPopDelay(AutoHideDelay);
    if (Transparency != 0)
        window->SetAlpha(static_cast<uint8_t>(255 - Transparency));
    return window;
}

void TBalloonSettings::ReleaseBalloonWindow(TBalloonWindow* Window) {
    delete Window;
    FWindowCreated = false;
}
