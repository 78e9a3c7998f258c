#include "platform/core/FormatSettings.h"

#include "platform/core/Utf8.h"

#include <langinfo.h>
#include <locale.h>
#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>

namespace {

std::mutex OverrideLock;
std::optional<TFormatSettings> Override;

struct LocaleDeleter {
    void operator()(locale_t locale) const { freelocale(locale); }
};
using LocaleHandle = std::unique_ptr<std::remove_pointer_t<locale_t>, LocaleDeleter>;

} // namespace

std::string FormatSeparator(const std::string& frameworkFormat, const std::string& fallback) {
    for (size_t i = 0; i < frameworkFormat.size(); ++i) {
        const auto c = static_cast<unsigned char>(frameworkFormat[i]);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
            continue;
        // The whole character: cutting a UTF-8 sequence short would break the text.
        char32_t separator = 0;
        const size_t length =
            DecodeUtf8Character(std::string_view(frameworkFormat).substr(i), separator);
        return frameworkFormat.substr(i, length);
    }
    return fallback;
}

std::string FrameworkFormatFromStrftime(const std::string& pattern) {
    std::string result;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            result += pattern[i];
            continue;
        }
        char field = pattern[++i];
        if ((field == 'E' || field == 'O' || field == '-') && i + 1 < pattern.size())
            field = pattern[++i];
        switch (field) {
        case 'd':
            result += "dd";
            break;
        case 'e':
            result += "d";
            break;
        case 'm':
            result += "mm";
            break;
        case 'y':
            result += "yy";
            break;
        case 'Y':
            result += "yyyy";
            break;
        case 'H':
        case 'I':
            result += "hh";
            break;
        case 'k':
        case 'l':
            result += "h";
            break;
        case 'M':
            result += "nn";
            break;
        case 'S':
            result += "ss";
            break;
        case 'p':
        case 'P':
            result += "am/pm";
            break;
        case 'D':
            result += "mm/dd/yy";
            break;
        case 'T':
            result += "hh:nn:ss";
            break;
        case 'R':
            result += "hh:nn";
            break;
        case '%':
            result += '%';
            break;
        default:
            break; // a field the framework cannot show is left out
        }
    }
    return result;
}

TFormatSettings CurrentFormatSettings() {
    {
        const std::lock_guard<std::mutex> guard(OverrideLock);
        if (Override)
            return *Override;
    }
    TFormatSettings settings;
    const LocaleHandle locale(newlocale(LC_NUMERIC_MASK | LC_TIME_MASK, "", nullptr));
    if (!locale)
        return settings;
    const std::string decimal = nl_langinfo_l(RADIXCHAR, locale.get());
    if (!decimal.empty())
        settings.DecimalSeparator = decimal;
    // A locale without grouping keeps the default: number formatting always has a separator.
    const std::string thousands = nl_langinfo_l(THOUSEP, locale.get());
    if (!thousands.empty())
        settings.ThousandSeparator = thousands;
    const std::string date = FrameworkFormatFromStrftime(nl_langinfo_l(D_FMT, locale.get()));
    if (!date.empty()) {
        settings.ShortDateFormat = date;
        settings.DateSeparator = FormatSeparator(date, settings.DateSeparator);
    }
    const std::string time = FrameworkFormatFromStrftime(nl_langinfo_l(T_FMT, locale.get()));
    if (!time.empty()) {
        settings.LongTimeFormat = time;
        settings.TimeSeparator = FormatSeparator(time, settings.TimeSeparator);
    }
    return settings;
}

void OverrideFormatSettings(const TFormatSettings* settings) {
    const std::lock_guard<std::mutex> guard(OverrideLock);
    if (settings)
        Override = *settings;
    else
        Override.reset();
}
