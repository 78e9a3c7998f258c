#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// One argument of FormatValues: a whole number or a floating-point number.
struct TFormatArg {
    TFormatArg(int Value) : IsFloat(false), Int(Value) {}
    TFormatArg(int64_t Value) : IsFloat(false), Int(Value) {}
    TFormatArg(double Value) : IsFloat(true), Float(Value) {}

    bool IsFloat;
    int64_t Int = 0;
    double Float = 0;
};

// printf-style formatting of the grid's number formats ("%.2f", "%d:%d"): each conversion takes
// the next argument; d, u, x and X take whole numbers, f, e, g (either case) and n (with
// thousand separators) floating-point ones; "%%" is a percent sign. Floating-point results use
// the given separators. A format that names another conversion, more arguments than given, or
// an argument of the other kind, throws EConvertError instead of reading what is not there.
std::string FormatValues(std::string_view Fmt, std::initializer_list<TFormatArg> Args,
                         std::string_view DecimalSeparator = ".",
                         std::string_view ThousandSeparator = ",");
