#pragma once

// Which thread is the UI thread: the one that started the platform application.
namespace ThreadSync {
void SetUiThread();
}
