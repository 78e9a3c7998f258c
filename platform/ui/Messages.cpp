#include "platform/ui/Messages.h"

#include <map>
#include <mutex>
#include <string>

UINT RegisterWindowMessage(std::string_view name) {
    if (name.empty())
        return 0;
    static std::mutex lock;
    static std::map<std::string, UINT, std::less<>> numbers;
    std::lock_guard guard(lock);
    auto found = numbers.find(name);
    if (found != numbers.end())
        return found->second;
    UINT number = 0xC000 + static_cast<UINT>(numbers.size());
    numbers.emplace(std::string(name), number);
    return number;
}
