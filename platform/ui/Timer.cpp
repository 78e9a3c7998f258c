#include "platform/ui/Timer.h"

#include "platform/ui/Application.h"

#include <QTimer>

struct TTimer::Impl {
    QTimer* Timer = nullptr;
    // The timer's handler is running: the timer object may only go later.
    bool Firing = false;
    std::shared_ptr<bool> Alive = std::make_shared<bool>(true);
};

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FImpl(std::make_unique<Impl>()) {
    Application->Initialize();
    FImpl->Timer = new QTimer();
    std::weak_ptr<bool> alive = FImpl->Alive;
    QObject::connect(FImpl->Timer, &QTimer::timeout, [this, alive] {
        if (alive.expired() || !FOnTimer)
            return;
        Impl* impl = FImpl.get();
        impl->Firing = true;
        RunGuarded(this, [this] { FireEvent(FOnTimer, this); });
        if (!alive.expired())
            impl->Firing = false;
    });
}

TTimer::~TTimer() {
    FImpl->Timer->stop();
    FImpl->Alive.reset();
    if (FImpl->Firing)
        FImpl->Timer->deleteLater();
    else
        delete FImpl->Timer;
}

void TTimer::SetEnabled(bool value) {
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value) {
    FInterval = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    FOnTimer = std::move(handler);
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (FEnabled && FInterval > 0 && FOnTimer)
        FImpl->Timer->start(static_cast<int>(FInterval));
    else
        FImpl->Timer->stop();
}
