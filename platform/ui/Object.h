#pragma once

#include <functional>
#include <string>
#include <utility>

// Root of the class tree; ClassName gives the class's own name (e.g. "TForm") as the framework
// does, which some controls inspect.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    std::string ClassName() const;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

namespace ObjectDetail {

template <typename Event, typename... Args>
void CallThroughCopy(const Event& event, Args&&... args) {
    Event copy = event;
    copy(std::forward<Args>(args)...);
}

} // namespace ObjectDetail

// Calls an event through a copy, as a handler may free the object that holds the event. The
// test is kept apart from the call, so that it stays inline where events fire for every cell.
template <typename Event, typename... Args> void FireEvent(const Event& event, Args&&... args) {
    if (event)
        ObjectDetail::CallThroughCopy(event, std::forward<Args>(args)...);
}
