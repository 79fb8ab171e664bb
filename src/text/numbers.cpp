#include "text/numbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <limits>

// MinGW's own stdio reads and writes decimals correctly rounded; the old system runtime's does not.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "MinGW's ISO stdio is needed"
#endif

namespace text {

namespace {

// No midpoint between two doubles has more significant digits than this, so digits past it only matter as
// "some were not zero"; the cut also keeps the exponent handed to the C library within what it reads exactly.
constexpr std::size_t kMostDigits = 800;
// Exponents beyond this cannot change the outcome for any text that fits in memory.
constexpr long long kExponentCap = 1'000'000'000;
// Decimal exponents written without an exponent part: every whole number below 1e15 and small fractions.
constexpr int kLowestPlainExponent = -5;
constexpr int kHighestPlainExponent = 14;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsLetter(wchar_t c, wchar_t upper) {
    return c == upper || c == upper + (L'a' - L'A');
}

// The value of a digit in `base`, -1 for any other character.
int DigitValue(wchar_t c, int base) {
    const wchar_t lower = c >= L'A' && c <= L'F' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    const std::size_t value = std::wstring_view(L"0123456789abcdef", static_cast<std::size_t>(base)).find(lower);
    return value == std::wstring_view::npos ? -1 : static_cast<int>(value);
}

// digits x 10^exponent (ASCII decimal digits) as the nearest double, HUGE_VAL beyond DBL_MAX. The text the C
// library reads has no decimal point, so no locale changes it.
double NearestDouble(std::string digits, long long exponent) {
    digits.erase(0, digits.find_first_not_of('0'));
    if (digits.size() > kMostDigits) {
        const bool restNonZero = digits.find_first_not_of('0', kMostDigits) != std::string::npos;
        exponent += static_cast<long long>(digits.size() - kMostDigits);
        digits.resize(kMostDigits);
        if (restNonZero) {
            digits += '1';
            --exponent;
        }
    }
    return digits.empty() ? 0.0 : std::strtod((digits + 'e' + std::to_string(exponent)).c_str(), nullptr);
}

// The number at the head of `text`: a sign, then &H / &O digits or decimal digits with at most one full stop
// and an optional exponent. `end` is set to where reading stopped; nullopt when there is no number.
std::optional<double> ReadNumber(std::wstring_view text, std::size_t& end) {
    std::size_t at = 0;
    const auto peek = [&](std::size_t ahead) { return at + ahead < text.size() ? text[at + ahead] : L'\0'; };
    const bool negative = peek(0) == L'-';
    at += negative || peek(0) == L'+' ? 1u : 0u;
    const int base = peek(0) != L'&' ? 10 : IsLetter(peek(1), L'H') ? 16 : IsLetter(peek(1), L'O') ? 8 : 0;
    double magnitude = 0.0;
    if (base != 10) {
        if (base == 0 || DigitValue(peek(2), base) < 0) {
            return std::nullopt;
        }
        for (at += 2; DigitValue(peek(0), base) >= 0; ++at) {
            magnitude = std::fmin(magnitude * base + DigitValue(peek(0), base), DBL_MAX);
        }
    } else {
        std::string digits;
        long long exponent = 0;
        for (bool point = false; IsDigit(peek(0)) || (peek(0) == L'.' && !point); ++at) {
            point = point || peek(0) == L'.';
            if (IsDigit(peek(0))) {
                digits += static_cast<char>(peek(0));
                exponent -= point ? 1 : 0;
            }
        }
        if (digits.empty()) {
            return std::nullopt;
        }
        const std::size_t signs = peek(1) == L'-' || peek(1) == L'+' ? 1 : 0;
        if (IsLetter(peek(0), L'E') && IsDigit(peek(1 + signs))) {
            const bool negativeExponent = peek(1) == L'-';
            long long power = 0;
            for (at += 1 + signs; IsDigit(peek(0)); ++at) {
                power = std::min(power * 10 + (peek(0) - L'0'), kExponentCap);
            }
            exponent += negativeExponent ? -power : power;
        }
        magnitude = std::fmin(NearestDouble(digits, exponent), DBL_MAX);
    }
    end = at;
    // Adding 0.0 turns -0 into 0.
    return (negative ? -magnitude : magnitude) + 0.0;
}

// Significant digits and the decimal exponent of the first: d.ddd x 10^exponent.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

bool ReadsBackAs(const DecimalDigits& d, double magnitude) {
    return NearestDouble(d.digits, d.exponent - static_cast<long long>(d.digits.size()) + 1) == magnitude;
}

// The fewest significant digits that read back as the positive magnitude, the nearest when several do. The
// C library rounds to a given count; at a power of two, whose rounding interval reaches twice as far above
// it as below, the digits one unit higher may read back when the nearest do not.
DecimalDigits ShortestDigits(double magnitude) {
    for (int count = 1;; ++count) {
        wchar_t buffer[48];
        std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%.*e", count - 1, magnitude);
        DecimalDigits nearest;
        const wchar_t* c = buffer;
        for (; *c != L'e'; ++c) {
            if (IsDigit(*c)) {
                nearest.digits += static_cast<char>(*c);
            }
        }
        nearest.exponent = static_cast<int>(std::wcstol(c + 1, nullptr, 10));
        if (ReadsBackAs(nearest, magnitude)) {
            return nearest;
        }
        DecimalDigits up{std::to_string(std::strtoull(nearest.digits.c_str(), nullptr, 10) + 1), nearest.exponent};
        if (up.digits.size() > nearest.digits.size()) {
            up.digits.pop_back();
            ++up.exponent;
        }
        if (ReadsBackAs(up, magnitude)) {
            return up;
        }
    }
}

}  // namespace

double ReadLeadingNumber(std::wstring_view text) {
    std::wstring compact(text);
    compact.erase(
        std::remove_if(compact.begin(), compact.end(), [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }),
        compact.end());
    std::size_t end = 0;
    return ReadNumber(compact, end).value_or(0.0);
}

std::wstring FormatPlainNumber(double value) {
    const DecimalDigits shortest = ShortestDigits(std::fabs(value));
    const std::wstring digits(shortest.digits.begin(), shortest.digits.end());
    const int exponent = shortest.exponent;
    std::wstring out = value < 0 ? L"-" : L"";
    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += L'.' + digits.substr(1);
        }
        const std::wstring power = std::to_wstring(std::abs(exponent));
        return out + (exponent < 0 ? L"E-" : L"E+") + (power.size() < 2 ? L"0" : L"") + power;
    }
    if (exponent < 0) {
        return out + L"0." + std::wstring(static_cast<std::size_t>(-exponent - 1), L'0') + digits;
    }
    const std::size_t wholeDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= wholeDigits) {
        return out + digits + std::wstring(wholeDigits - digits.size(), L'0');
    }
    return out + digits.substr(0, wholeDigits) + L'.' + digits.substr(wholeDigits);
}

std::optional<std::int32_t> ToWholeNumber(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    if (first == std::wstring_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(L" \t") + 1 - first);
    std::size_t end = 0;
    const std::optional<double> value = ReadNumber(text, end);
    if (!value || end != text.size()) {
        return std::nullopt;
    }
    // Half goes to the even neighbour in the default rounding mode, which the program never changes.
    const double rounded = std::nearbyint(*value);
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::wstring FormatInteger(long long value) {
    const std::string digits = std::to_string(value);
    return std::wstring(digits.begin(), digits.end());
}

}  // namespace text
