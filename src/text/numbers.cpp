#include "text/numbers.h"

#include "text/decimal_digits.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace text {

namespace {

// Exponents beyond this cannot change the outcome for any text that fits in memory, and keep the
// exponent arithmetic far from overflow.
constexpr long long kExponentCap = 1'000'000'000;
// Decimal exponents written without an exponent part: every whole number below 1e15 and small fractions.
constexpr int kLowestPlainExponent = -5;
constexpr int kHighestPlainExponent = 14;

bool IsDecimalDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

int DigitValue(wchar_t c, int base) {
    int value = base;
    if (c >= L'0' && c <= L'9') {
        value = c - L'0';
    } else if (c >= L'a' && c <= L'f') {
        value = c - L'a' + 10;
    } else if (c >= L'A' && c <= L'F') {
        value = c - L'A' + 10;
    }
    return value < base ? value : -1;
}

double Signed(bool negative, double magnitude) {
    // Adding 0.0 turns -0 into +0.
    return (negative ? -magnitude : magnitude) + 0.0;
}

// The value of "mantissa e exponent" (mantissa: ASCII digits with at most one full stop, at least one digit);
// a result beyond the double range becomes DBL_MAX.
double DecimalValue(const std::string& mantissa, long long exponent) {
    const std::size_t point = mantissa.find('.');
    if (point == std::string::npos) {
        return std::fmin(NearestDouble(mantissa, exponent), DBL_MAX);
    }
    const std::string fraction = mantissa.substr(point + 1);
    const double value =
        NearestDouble(mantissa.substr(0, point) + fraction, exponent - static_cast<long long>(fraction.size()));
    return std::fmin(value, DBL_MAX);
}

class NumberScanner {
  public:
    explicit NumberScanner(std::wstring_view text) : input(text) {}

    bool AtEnd() const { return position == input.size(); }

    // True for a minus sign; a plus sign is taken too.
    bool TakeSign() {
        const wchar_t c = Peek(0);
        if (c == L'+' || c == L'-') {
            ++position;
        }
        return c == L'-';
    }

    // &H hexadecimal or &O octal digits; nothing is taken when the prefix or its digits are missing.
    std::optional<double> TakeBasedDigits() {
        if (Peek(0) != L'&') {
            return std::nullopt;
        }
        const wchar_t prefix = Peek(1);
        const int base = (prefix == L'H' || prefix == L'h') ? 16 : (prefix == L'O' || prefix == L'o') ? 8 : 0;
        if (base == 0 || DigitValue(Peek(2), base) < 0) {
            return std::nullopt;
        }
        position += 2;
        double value = 0.0;
        for (int digit = DigitValue(Peek(0), base); digit >= 0; digit = DigitValue(Peek(0), base)) {
            value = std::fmin(value * base + digit, DBL_MAX);
            ++position;
        }
        return value;
    }

    // Digits with at most one full stop, then an exponent if it has digits; nullopt without any digit.
    std::optional<double> TakeDecimal() {
        const std::size_t start = position;
        std::string mantissa;
        bool sawPoint = false;
        for (wchar_t c = Peek(0); IsDecimalDigit(c) || (c == L'.' && !sawPoint); c = Peek(0)) {
            sawPoint = sawPoint || c == L'.';
            mantissa.push_back(static_cast<char>(c));
            ++position;
        }
        if (mantissa.find_first_not_of('.') == std::string::npos) {
            position = start;
            return std::nullopt;
        }
        return DecimalValue(mantissa, TakeExponent());
    }

  private:
    wchar_t Peek(std::size_t ahead) const { return position + ahead < input.size() ? input[position + ahead] : L'\0'; }

    long long TakeExponent() {
        const wchar_t letter = Peek(0);
        std::size_t at = 1;
        const bool negative = Peek(at) == L'-';
        if (Peek(at) == L'-' || Peek(at) == L'+') {
            ++at;
        }
        if ((letter != L'E' && letter != L'e') || !IsDecimalDigit(Peek(at))) {
            return 0;
        }
        position += at;
        long long exponent = 0;
        for (wchar_t c = Peek(0); IsDecimalDigit(c); c = Peek(0)) {
            exponent = std::min(exponent * 10 + (c - L'0'), kExponentCap);
            ++position;
        }
        return negative ? -exponent : exponent;
    }

    std::wstring_view input;
    std::size_t position = 0;
};

// Sign, then &H/&O digits or a decimal number; nullopt when neither is there.
std::optional<double> TakeNumber(NumberScanner& scanner) {
    const bool negative = scanner.TakeSign();
    std::optional<double> magnitude = scanner.TakeBasedDigits();
    if (!magnitude) {
        magnitude = scanner.TakeDecimal();
    }
    if (!magnitude) {
        return std::nullopt;
    }
    return Signed(negative, *magnitude);
}

// Half goes to the even neighbour, whatever the floating-point environment's rounding mode is.
double RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction != 0.5) {
        return fraction < 0.5 ? lower : lower + 1.0;
    }
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// The shortest digits laid out plainly or with an exponent.
std::wstring LayOutShortestDigits(double value) {
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

}  // namespace

double ReadLeadingNumber(std::wstring_view text) {
    std::wstring compact;
    compact.reserve(text.size());
    for (wchar_t c : text) {
        if (c != L' ' && c != L'\t' && c != L'\n') {
            compact.push_back(c);
        }
    }
    NumberScanner scanner(compact);
    return TakeNumber(scanner).value_or(0.0);
}

std::wstring FormatPlainNumber(double value) {
    if (std::isnan(value) || value == 0.0) {
        return L"0";
    }
    if (std::isinf(value)) {
        value = std::copysign(DBL_MAX, value);
    }
    return LayOutShortestDigits(value);
}

std::optional<std::int32_t> ToWholeNumber(std::wstring_view text) {
    const auto isBlank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    NumberScanner scanner(text);
    const std::optional<double> value = TakeNumber(scanner);
    if (!value || !scanner.AtEnd()) {
        return std::nullopt;
    }
    const double rounded = RoundHalfEven(*value);
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

std::wstring FormatInteger(long long value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::wstring(buffer, result.ptr);
}

}  // namespace text
