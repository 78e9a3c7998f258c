#include "platform/ui/internal/DateTimePickerFormat.h"

#include "platform/ui/internal/QtConvert.h"

#include <algorithm>
#include <cctype>

namespace {

// Runs of one letter, quoted text kept as it is.
template <typename F> QString MapLetterRuns(const std::string& format, F&& mapRun) {
    QString out;
    for (size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '\'') {
            const size_t end = format.find('\'', i + 1);
            const size_t stop = end == std::string::npos ? format.size() : end + 1;
            out += QtConvert::ToQString(format.substr(i, stop - i));
            i = stop;
            continue;
        }
        size_t run = i;
        while (run < format.size() && format[run] == c)
            ++run;
        out += mapRun(c, static_cast<int>(run - i), format.substr(i, run - i));
        i = run;
    }
    return out;
}

} // namespace

namespace DateTimePickerFormat {

QString FromPickerFormat(const std::string& format) {
    return MapLetterRuns(format, [](char c, int n, const std::string& run) -> QString {
        switch (c) {
        case 'y':
            return n <= 2 ? "yy" : "yyyy";
        case 't':
            return n == 1 ? "A" : "AP";
        case 'g':
            return "";
        default:
            return QtConvert::ToQString(run);
        }
    });
}

QString FromDateSetting(const std::string& format) {
    return MapLetterRuns(format, [](char c, int n, const std::string& run) -> QString {
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'd':
            return QString(std::min(n, 4), 'd');
        case 'm':
            return QString(std::min(n, 4), 'M');
        case 'y':
            return n <= 2 ? "yy" : "yyyy";
        default:
            return QtConvert::ToQString(run);
        }
    });
}

QString FromTimeSetting(std::string format) {
    bool twelveHours = false;
    for (const char* marker : {"am/pm", "a/p", "ampm"}) {
        const size_t at = format.find(marker);
        if (at != std::string::npos) {
            format.replace(at, std::string(marker).size(), "\x01");
            twelveHours = true;
        }
    }
    return MapLetterRuns(format, [&](char c, int n, const std::string& run) -> QString {
        switch (std::tolower(static_cast<unsigned char>(c))) {
        case 'h':
            return QString(std::min(n, 2), twelveHours ? 'h' : 'H');
        case 'n':
            return QString(std::min(n, 2), 'm');
        case 's':
            return QString(std::min(n, 2), 's');
        case 'z':
            return QString(std::min(n, 3), 'z');
        case '\x01':
            return "AP";
        default:
            return QtConvert::ToQString(run);
        }
    });
}

} // namespace DateTimePickerFormat
