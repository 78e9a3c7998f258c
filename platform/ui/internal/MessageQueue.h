#pragma once

#include "platform/ui/Messages.h"

#include <memory>

class TControl;

// Messages posted to controls, delivered in order on the UI thread.
namespace MessageQueue {
// Safe from any thread.
void Post(TControl* target, std::weak_ptr<bool> alive, const TMessage& message);
// Drops the messages of a control that goes.
void Forget(TControl* target);
// Delivers the messages posted before the call; returns true when it delivered any.
bool DeliverPending();
} // namespace MessageQueue
