#include "app/controls/GlyphButtonThread.h"

namespace {
constexpr unsigned FadeIntervalMs = 30;
}

TGlyphButtonThread::TGlyphButtonThread(TNotifyEvent notify)
    : TThread(true), FNotify(std::move(notify)) {}

void TGlyphButtonThread::Wake() {
    if (!FStarted || Suspended()) {
        FStarted = true;
        Start();
    }
}

void TGlyphButtonThread::Execute() {
    while (!Terminated()) {
        Sleep(FadeIntervalMs);
        if (Terminated())
            break;
        Synchronize([this] {
            if (FNotify)
                FNotify(this);
        });
    }
}
