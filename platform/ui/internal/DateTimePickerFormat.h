#pragma once

// The display formats of the date-time picker in Qt's letters, for the .cpp files of platform/ui.

#include <QString>

#include <string>

namespace DateTimePickerFormat {
// The picker's own letters are Qt's but for the year, AM/PM and era.
QString FromPickerFormat(const std::string& format);
// The user's settings are in the framework's letters: m is the month in a date, n the minute.
QString FromDateSetting(const std::string& format);
QString FromTimeSetting(std::string format);
} // namespace DateTimePickerFormat
