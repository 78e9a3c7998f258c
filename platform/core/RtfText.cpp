#include "platform/core/RtfText.h"

bool IsRtf(std::string_view bytes) {
    return bytes.substr(0, 5) == "{\\rtf";
}

std::string RtfPlainText(const TRtfRuns& runs) {
    std::string text;
    for (const TRtfRun& run : runs)
        text += run.Text;
    return text;
}

void AppendRtfRun(TRtfRuns& runs, std::string_view text, const TRtfCharFormat& format) {
    if (text.empty())
        return;
    if (!runs.empty() && runs.back().Format == format)
        runs.back().Text += text;
    else
        runs.push_back({std::string(text), format});
}
