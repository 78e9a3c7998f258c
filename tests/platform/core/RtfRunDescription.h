#pragma once

#include "platform/core/RtfText.h"

#include <cstdio>
#include <string>
#include <vector>

// Runs as "attributes:text" for comparing in tests, e.g. "b fs=20 c=0000FF:Hi". The font name and
// size are left out where they equal the plain format's (a reader's empty one, or an editor's own
// font).
inline std::vector<std::string> DescribeRtfRuns(const TRtfRuns& runs,
                                                const TRtfCharFormat& plain = {}) {
    std::vector<std::string> described;
    for (const TRtfRun& run : runs) {
        const TRtfCharFormat& f = run.Format;
        std::string d;
        auto add = [&](const std::string& part) { d += (d.empty() ? "" : " ") + part; };
        if (f.Bold)
            add("b");
        if (f.Italic)
            add("i");
        if (f.Underline)
            add("u");
        if (f.StrikeOut)
            add("s");
        if (f.FontName != plain.FontName)
            add("f=" + f.FontName);
        if (f.SizeHalfPoints != plain.SizeHalfPoints)
            add("fs=" + std::to_string(f.SizeHalfPoints));
        if (f.Color) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(*f.Color));
            add(std::string("c=") + hex);
        }
        if (f.OffsetHalfPoints != 0)
            add("up=" + std::to_string(f.OffsetHalfPoints));
        described.push_back(d + ":" + run.Text);
    }
    return described;
}
