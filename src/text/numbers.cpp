#include "text/numbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>

#include "text/blanks.h"

// MinGW's own printf rounds correctly, and writes long doubles exactly; the old system runtime's does not.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "MinGW's ISO stdio is needed"
#endif

namespace text {

namespace {

// No midpoint between two doubles has more significant digits than this, so printed with this precision it
// is written exactly. Long double holds every such midpoint.
constexpr int kExactDigits = 800;
static_assert(std::numeric_limits<long double>::digits >= 64 && std::numeric_limits<long double>::max_exponent >= 1025);
constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000;
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

double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A decimal number: its significant digits, without leading or trailing zeros (none for 0), and the power of
// ten of the first.
struct Decimal {
    std::string digits;
    long long order = 0;
};

// digits x 10^exponent, the digits being ASCII decimal digits.
Decimal MakeDecimal(std::string digits, long long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return {};
    }
    const long long order = exponent + static_cast<long long>(digits.size() - first) - 1;
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits.substr(first), order};
}

// -1, 0 or 1 as a is below, equal to or above b, both positive.
int Compare(const Decimal& a, const Decimal& b) {
    if (a.order != b.order) {
        return a.order < b.order ? -1 : 1;
    }
    const int digits = a.digits.compare(b.digits);
    return digits < 0 ? -1 : digits > 0 ? 1 : 0;
}

// The value rounded to 1 + `precision` significant digits by the C library. Only the digits and the exponent
// are taken from its text, so the locale's decimal point does not matter.
Decimal Printed(long double value, int precision) {
    wchar_t buffer[kExactDigits + 16];
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%.*Le", precision, value);
    std::string digits;
    const wchar_t* c = buffer;
    for (; *c != L'e'; ++c) {
        if (IsDigit(*c)) {
            digits += static_cast<char>(*c);
        }
    }
    return MakeDecimal(digits, std::wcstoll(c + 1, nullptr, 10) - precision);
}

// Exactly halfway between the positive doubles with the bit patterns `bits` and `bits + 1`, the pattern after
// DBL_MAX's standing for 2^1024.
Decimal Midpoint(std::uint64_t bits) {
    const long double upper = bits + 1 < kInfinityBits ? FromBits(bits + 1) : std::ldexp(1.0L, 1024);
    return Printed((FromBits(bits) + upper) / 2, kExactDigits);
}

// Whether a decimal on `side` of a midpoint next to the double with the pattern `bits` (1: away from that
// double, 0: on the midpoint) rounds away from it; a tie goes to the even pattern.
bool RoundsAway(int side, std::uint64_t bits) {
    return side > 0 || (side == 0 && bits % 2 != 0);
}

// digits x 10^exponent (ASCII decimal digits) as the nearest double, HUGE_VAL beyond DBL_MAX: from a guess in
// extended precision, one double at a time to the one whose rounding interval holds it.
double NearestDouble(const std::string& digits, long long exponent) {
    const Decimal x = MakeDecimal(digits, exponent);
    if (x.digits.empty()) {
        return 0.0;
    }
    const std::string head = x.digits.substr(0, 19);
    const long double scale =
        std::pow(10.0L, static_cast<long double>(x.order + 1 - static_cast<long long>(head.size())));
    const auto guess = static_cast<double>(std::strtoull(head.c_str(), nullptr, 10) * scale);
    std::uint64_t bits = Bits(guess);
    while (bits < kInfinityBits && RoundsAway(Compare(x, Midpoint(bits)), bits)) {
        ++bits;
    }
    while (bits > 0 && RoundsAway(Compare(Midpoint(bits - 1), x), bits)) {
        --bits;
    }
    return FromBits(bits);
}

// Decimal digits from `at` with at most one full stop and an optional exponent, as a magnitude; `at` is moved
// past them. nullopt when there is no digit.
std::optional<double> ReadDecimal(std::wstring_view text, std::size_t& at) {
    const auto peek = [&](std::size_t ahead) { return at + ahead < text.size() ? text[at + ahead] : L'\0'; };
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
    return std::fmin(NearestDouble(digits, exponent), DBL_MAX);
}

// The number at the head of `text`: a sign, then &H / &O digits or decimal digits. `end` is set to where
// reading stopped; nullopt when there is no number.
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
        const std::optional<double> decimal = ReadDecimal(text, at);
        if (!decimal) {
            return std::nullopt;
        }
        magnitude = *decimal;
    }
    end = at;
    return negative ? -magnitude : magnitude;
}

// The fewest significant digits that read back as the positive magnitude, the nearest to it when several do.
// std::to_chars gives them in one call, but its tables would add some 230 KB to an exe of 225 KB; the C
// library's printf, already in the exe, rounds to any count of digits, and this picks the count.
// The C library rounds to a given count; at a power of two, whose rounding interval reaches twice as far above
// it as below, the digits one unit higher may read back when the nearest do not.
Decimal ShortestDigits(double magnitude) {
    const std::uint64_t bits = Bits(magnitude);
    const Decimal below = Midpoint(bits - 1);
    const Decimal above = Midpoint(bits);
    const auto readsBack = [&](const Decimal& d) {
        return !RoundsAway(Compare(d, above), bits) && !RoundsAway(Compare(below, d), bits);
    };
    for (int count = 1;; ++count) {
        Decimal nearest = Printed(magnitude, count - 1);
        if (readsBack(nearest)) {
            return nearest;
        }
        const std::string whole =
            nearest.digits + std::string(static_cast<std::size_t>(count) - nearest.digits.size(), '0');
        Decimal up =
            MakeDecimal(std::to_string(std::strtoull(whole.c_str(), nullptr, 10) + 1), nearest.order - count + 1);
        if (readsBack(up)) {
            return up;
        }
    }
}

}  // namespace

double ReadLeadingNumber(std::wstring_view text) {
    std::wstring compact(text);
    compact.erase(std::remove_if(compact.begin(), compact.end(), [](wchar_t c) { return IsBlank(c) || c == L'\n'; }),
                  compact.end());
    std::size_t end = 0;
    return ReadNumber(compact, end).value_or(0.0);
}

std::wstring FormatPlainNumber(double value) {
    if (value == 0) {
        return L"0";
    }
    const Decimal shortest = ShortestDigits(std::fabs(value));
    const std::wstring digits(shortest.digits.begin(), shortest.digits.end());
    const int exponent = static_cast<int>(shortest.order);
    std::wstring out = std::signbit(value) ? L"-" : L"";
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
    text = Trim(text);
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
