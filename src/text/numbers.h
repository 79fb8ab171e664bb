// Number reading and writing shared by the loader and the settings dialogs' input filter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace text {

// The number at the head of a text (the input filter's rule): blanks, tabs and line feeds are skipped
// wherever they stand; an optional sign; decimal digits with at most one full stop and an optional
// exponent (E or e, optional sign, digits), or &H hexadecimal / &O octal digits (either letter case).
// Reading stops at the first character that fits none of this, so "12E" reads as 12, "1." as 1 and
// "&HG" as 0; no number at all reads as 0. The full stop is the decimal point whatever the locale.
// A number beyond the double range reads as -DBL_MAX or DBL_MAX, never as a non-finite value.
double ReadLeadingNumber(std::wstring_view text);

// A finite number as plain text: no leading zeros, no leading blank, "-" for negatives, a full stop and the
// fraction only when there is one (0 -> "0", -5 -> "-5", 1.5 -> "1.5"), with the fewest digits that still
// give the same double. From 1e15 up or below 1e-5 in size it takes an exponent: 1E+20, 2.5E-07. Either
// way ReadLeadingNumber of the result gives the same number back; -0 is written "0".
std::wstring FormatPlainNumber(double value);

// The loader's whole-number conversion: spaces and tabs around the number allowed; the whole rest must be
// one number, an optional sign then decimal digits (full stop, exponent allowed) or &H / &O digits.
// Rounded half to even (2.5 -> 2, 3.5 -> 4); nullopt for a text that is no number (the empty text
// included) or whose rounded value lies outside the signed 32-bit range.
std::optional<std::int32_t> ToWholeNumber(std::wstring_view text);

// Decimal digits of a whole number, "-" for negatives, no blanks.
std::wstring FormatInteger(long long value);

}  // namespace text
