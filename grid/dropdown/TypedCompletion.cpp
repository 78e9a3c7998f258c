#include "grid/dropdown/TypedCompletion.h"

#include "grid/foundation/ExUtil.h"
#include "platform/core/CodePage.h"

#include <algorithm>

namespace {
constexpr size_t MaxCompletedLength = 255;
}

TTypedCompletion CompleteTypedText(const std::string& Text, int Caret, int Count,
                                   const std::function<std::string(int)>& Entry, bool MatchCase) {
    TTypedCompletion result;
    const std::u16string text = Utf8ToUtf16(Text);
    const std::u16string typed =
        text.substr(0, std::clamp<size_t>(std::max(Caret, 0), 0, text.size()));
    result.TypedLength = static_cast<int>(typed.size());
    result.Typed = Utf16ToUtf8(typed);
    if (typed.empty())
        return result;
    const auto forMatch = [MatchCase](const std::string& S) {
        return MatchCase ? S : UpperCaseFull(S);
    };
    const std::string prefix = forMatch(result.Typed);
    for (int i = 0; i < Count; ++i) {
        const std::string entry = Entry(i);
        if (!forMatch(entry).starts_with(prefix))
            continue;
        const std::u16string wide = Utf8ToUtf16(entry);
        std::u16string completed =
            typed + (wide.size() > typed.size() ? wide.substr(typed.size()) : std::u16string());
        completed.resize(std::min(completed.size(), MaxCompletedLength));
        result.Index = i;
        result.Completed = Utf16ToUtf8(completed);
        return result;
    }
    return result;
}
