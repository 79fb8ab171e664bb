#include "text/decimal_digits.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <limits>
#include <optional>
#include <string>
#include <vector>

// Digits are taken from MinGW's own printf, which rounds correctly; the old system runtime's does not.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "MinGW's ISO stdio is needed"
#endif

namespace text {

namespace {

// No midpoint between two doubles has more significant digits than this, so digits past it only
// matter as "some were not zero".
constexpr std::size_t kMostDigits = 800;
// Decimal orders of magnitude (d.ddd x 10^order) past which every value overflows, or rounds to zero
// (even 9.99e-326 lies below half the smallest subnormal).
constexpr long long kHighestFiniteOrder = 308;
constexpr long long kLowestNonZeroOrder = -330;
constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
// Seventeen significant digits tell every pair of doubles apart.
constexpr int kMostSignificantDigits = 17;

// An unsigned whole number of any size, in 32-bit limbs, the lowest first.
class BigNumber {
  public:
    explicit BigNumber(std::uint64_t value) {
        for (; value != 0; value >>= 32) {
            limbs.push_back(static_cast<std::uint32_t>(value));
        }
    }

    static BigNumber FromDigits(std::string_view digits) {
        BigNumber number(0);
        for (char c : digits) {
            number.MultiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
        }
        return number;
    }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs) {
            carry += static_cast<std::uint64_t>(limb) * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            limbs.push_back(static_cast<std::uint32_t>(carry));
        }
    }

    void MultiplyByPowerOfFive(long long count) {
        constexpr std::uint32_t kFiveToThe13 = 1220703125;
        for (; count >= 13; count -= 13) {
            MultiplyAdd(kFiveToThe13, 0);
        }
        for (; count > 0; --count) {
            MultiplyAdd(5, 0);
        }
    }

    void MultiplyByPowerOfTwo(long long count) {
        limbs.insert(limbs.begin(), static_cast<std::size_t>(count / 32), 0);
        MultiplyAdd(std::uint32_t{1} << (count % 32), 0);
    }

    friend BigNumber operator*(const BigNumber& a, const BigNumber& b) {
        BigNumber product(0);
        product.limbs.assign(a.limbs.size() + b.limbs.size(), 0);
        for (std::size_t i = 0; i < a.limbs.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.limbs.size(); ++j) {
                carry += product.limbs[i + j] + static_cast<std::uint64_t>(a.limbs[i]) * b.limbs[j];
                product.limbs[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
            product.limbs[i + b.limbs.size()] = static_cast<std::uint32_t>(carry);
        }
        while (!product.limbs.empty() && product.limbs.back() == 0) {
            product.limbs.pop_back();
        }
        return product;
    }

    friend int Compare(const BigNumber& a, const BigNumber& b) {
        if (a.limbs.size() != b.limbs.size()) {
            return a.limbs.size() < b.limbs.size() ? -1 : 1;
        }
        for (std::size_t i = a.limbs.size(); i-- > 0;) {
            if (a.limbs[i] != b.limbs[i]) {
                return a.limbs[i] < b.limbs[i] ? -1 : 1;
            }
        }
        return 0;
    }

  private:
    std::vector<std::uint32_t> limbs;
};

// digits x 10^exponent as whole numbers for exact comparisons: digits x 5^exponent or 5^-exponent,
// whichever is whole, the powers of two being left for each comparison.
struct Decimal {
    Decimal(std::string_view digits, long long tens) : scaledDigits(BigNumber::FromDigits(digits)), exponent(tens) {
        (exponent >= 0 ? scaledDigits : fivesBelow).MultiplyByPowerOfFive(exponent >= 0 ? exponent : -exponent);
    }

    BigNumber scaledDigits;
    BigNumber fivesBelow{1};
    long long exponent;
};

// -1, 0 or 1 as the decimal lies below, on or above the midpoint between the positive doubles with the
// bit patterns `bits` and `bits + 1` (the pattern after DBL_MAX's standing for 2^1024).
int CompareToMidpoint(const Decimal& decimal, std::uint64_t bits) {
    const std::uint64_t biased = bits >> 52;
    const std::uint64_t significand = biased != 0 ? (bits & kFractionMask) | (kFractionMask + 1) : bits;
    const long long twos = biased != 0 ? static_cast<long long>(biased) - 1075 : -1074;
    // The midpoint is (2 * significand + 1) * 2^(twos - 1).
    BigNumber left = decimal.scaledDigits;
    BigNumber right = decimal.fivesBelow * BigNumber(2 * significand + 1);
    const long long shift = decimal.exponent - (twos - 1);
    if (shift >= 0) {
        left.MultiplyByPowerOfTwo(shift);
    } else {
        right.MultiplyByPowerOfTwo(-shift);
    }
    return Compare(left, right);
}

// Bit patterns of positive doubles count up with their values; a tie goes to the even pattern.
bool RoundsAbove(const Decimal& decimal, std::uint64_t bits) {
    const int side = CompareToMidpoint(decimal, bits);
    return side > 0 || (side == 0 && bits % 2 != 0);
}

bool RoundsBelow(const Decimal& decimal, std::uint64_t bits) {
    const int side = CompareToMidpoint(decimal, bits - 1);
    return side < 0 || (side == 0 && bits % 2 != 0);
}

// The exact steps walk from this guess one double at a time, so it has to be close: the leading 19 digits
// scaled in extended precision, whose range also holds the scale factor (at most about 10^350).
static_assert(std::numeric_limits<long double>::max_exponent10 > 400 && std::numeric_limits<long double>::digits >= 64);
std::uint64_t ApproximateBits(std::string_view digits, long long exponent) {
    const std::size_t headSize = digits.size() < 19 ? digits.size() : 19;
    std::uint64_t head = 0;
    for (char c : digits.substr(0, headSize)) {
        head = head * 10 + static_cast<std::uint64_t>(c - '0');
    }
    const long long scale = exponent + static_cast<long long>(digits.size() - headSize);
    long double power = 1;
    long double tenToTheBit = 10;
    for (unsigned long long n = static_cast<unsigned long long>(scale < 0 ? -scale : scale); n != 0; n >>= 1) {
        if (n % 2 != 0) {
            power *= tenToTheBit;
        }
        tenToTheBit *= tenToTheBit;
    }
    const long double value = scale < 0 ? head / power : head * power;
    const double guess = static_cast<double>(value);
    if (std::isinf(guess)) {
        return kInfinityBits;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, &guess, sizeof bits);
    return bits;
}

// The value rounded to `count` significant digits; the C library rounds correctly. The wide form is the one
// the rest of the program already links.
DecimalDigits RoundedDigits(double magnitude, int count) {
    wchar_t buffer[48];
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%.*e", count - 1, magnitude);
    DecimalDigits out;
    const wchar_t* c = buffer;
    for (; *c != L'\0' && *c != L'e' && *c != L'E'; ++c) {
        if (*c >= L'0' && *c <= L'9') {
            out.digits.push_back(static_cast<char>(*c));
        }
    }
    out.exponent = *c != L'\0' ? static_cast<int>(std::wcstol(c + 1, nullptr, 10)) : 0;
    return out;
}

// The same number of digits, one unit higher in the last place.
DecimalDigits NextDigitsUp(DecimalDigits d) {
    std::size_t at = d.digits.size();
    while (at > 0 && d.digits[at - 1] == '9') {
        d.digits[--at] = '0';
    }
    if (at == 0) {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
    } else {
        ++d.digits[at - 1];
    }
    return d;
}

bool ReadsBackAs(const DecimalDigits& d, double magnitude) {
    return NearestDouble(d.digits, d.exponent - static_cast<long long>(d.digits.size()) + 1) == magnitude;
}

// The nearest digits of the length if they read back; at a power of two, whose rounding interval reaches
// twice as far above it as below, the next digits up may read back when the nearest do not.
std::optional<DecimalDigits> DigitsReadingBack(double magnitude, int count, bool powerOfTwo) {
    const DecimalDigits nearest = RoundedDigits(magnitude, count);
    if (ReadsBackAs(nearest, magnitude)) {
        return nearest;
    }
    const DecimalDigits up = NextDigitsUp(nearest);
    if (powerOfTwo && ReadsBackAs(up, magnitude)) {
        return up;
    }
    return std::nullopt;
}

}  // namespace

double NearestDouble(std::string_view digits, long long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        return 0.0;
    }
    digits.remove_prefix(first);
    const long long order = exponent + static_cast<long long>(digits.size()) - 1;
    if (order > kHighestFiniteOrder) {
        return HUGE_VAL;
    }
    if (order < kLowestNonZeroOrder) {
        return 0.0;
    }
    std::string kept(digits.substr(0, kMostDigits));
    if (digits.size() > kMostDigits) {
        if (digits.find_first_not_of('0', kMostDigits) != std::string_view::npos) {
            kept.push_back('1');
        }
        exponent += static_cast<long long>(digits.size() - kept.size());
    }

    const Decimal decimal(kept, exponent);
    std::uint64_t bits = ApproximateBits(kept, exponent);
    while (bits < kInfinityBits && RoundsAbove(decimal, bits)) {
        ++bits;
    }
    while (bits > 0 && RoundsBelow(decimal, bits)) {
        --bits;
    }
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

DecimalDigits ShortestDigits(double magnitude) {
    int binaryExponent = 0;
    const bool powerOfTwo = std::frexp(magnitude, &binaryExponent) == 0.5;
    // Whether some digits of a length read back only grows with the length, so the shortest is searched
    // for by halving; kMostSignificantDigits always do.
    int shortest = kMostSignificantDigits;
    DecimalDigits found = RoundedDigits(magnitude, shortest);
    for (int tooFew = 0; shortest - tooFew > 1;) {
        const int count = (tooFew + shortest) / 2;
        if (std::optional<DecimalDigits> digits = DigitsReadingBack(magnitude, count, powerOfTwo)) {
            found = *digits;
            shortest = count;
        } else {
            tooFew = count;
        }
    }
    while (found.digits.size() > 1 && found.digits.back() == '0') {
        found.digits.pop_back();
    }
    return found;
}

}  // namespace text
