#pragma once

#include <string>
#include <string_view>

// Floating-point text as the framework reads it: optional blanks around, an optional sign, digits
// with at most one `decimalSeparator` (digits on at least one side), then optionally "e" or "E",
// an optional sign and digits. No thousand separators, no "inf" or "nan"; out of range fails.
bool TryStrToFloat(std::string_view text, double& value, std::string_view decimalSeparator = ".");
// Throws EConvertError "'<text>' is not a valid floating point value".
double StrToFloat(std::string_view text, std::string_view decimalSeparator = ".");
double StrToFloatDef(std::string_view text, double fallback,
                     std::string_view decimalSeparator = ".");

// The framework's general format: at most 15 significant digits, no trailing zeros, scientific
// ("1.5E-7", "1E20") below 0.00001 and from 1E15 on.
std::string FloatToStr(double value, std::string_view decimalSeparator = ".");
