// Number reading and writing shared by the loader and the settings dialogs' input filter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// The number at the head of a text (the input filter's rule): blanks, tabs and line feeds are skipped
// wherever they stand; an optional sign; decimal digits with at most one full stop and an optional
// exponent (E, optional sign, digits), or &H hexadecimal / &O octal digits. Reading stops at the first
// character that fits none of this; no number at all reads as 0. Never returns a non-finite value.
double ReadLeadingNumber(std::wstring_view text);

// Plain number text: no leading zeros, no leading blank, "-" for negatives, a full stop and the fraction
// only when there is one (0 -> "0", -5 -> "-5", 1.5 -> "1.5"). ReadLeadingNumber of the result gives
// the same number back.
std::wstring FormatPlainNumber(double value);

// The loader's whole-number conversion: blanks around the number allowed, rounded half to even, and
// nullopt for a text that is no number or lies outside the signed 32-bit range.
std::optional<std::int32_t> ToWholeNumber(std::wstring_view text);

// Decimal digits of a whole number, "-" for negatives, no blanks.
std::wstring FormatInteger(long long value);

}  // namespace text
