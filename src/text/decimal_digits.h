// Exact conversions between doubles and decimal digits, whatever the C library's locale.
#pragma once

#include <string>
#include <string_view>

namespace text {

// The double nearest to digits x 10^exponent, the one with the even last bit when two are equally near;
// HUGE_VAL when that is beyond DBL_MAX. digits holds ASCII decimal digits only (none reads as 0).
double NearestDouble(std::string_view digits, long long exponent);

// Significant digits and the decimal exponent of the first: d.ddd x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// The fewest significant digits that read back as the positive finite magnitude, the nearest to it when
// several do; no trailing zeros.
DecimalDigits ShortestDigits(double magnitude);

}  // namespace text
