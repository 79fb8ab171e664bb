#include "text/decimal_digits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

namespace {

// The library's correctly rounded reading, with HUGE_VAL or 0 where it reports the range exceeded.
double LibraryReading(const std::string& digits, long long exponent) {
    const std::string text = (digits.empty() ? std::string("0") : digits) + 'e' + std::to_string(exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return exponent > 0 ? HUGE_VAL : 0.0;
    }
    return value;
}

void ExpectSameBits(double actual, double expected, const std::string& digits, long long exponent) {
    EXPECT_EQ(std::memcmp(&actual, &expected, sizeof actual), 0)
        << digits << "e" << exponent << ": " << actual << " instead of " << expected;
}

struct NearestCase {
    const char* digits;
    long long exponent;
    double nearest;
};

const NearestCase kNearestCases[] = {
    {"", 0, 0.0},
    {"000", 5, 0.0},
    {"9007199254740993", 0, 9007199254740992.0},       // halfway: to the even neighbour below
    {"9007199254740995", 0, 9007199254740996.0},       // halfway: to the even neighbour above
    {"1320736327839163", 254, 1.320736327839163e269},  // just below a power of two
    {"22250738585072011", -324, 2.2250738585072011e-308},
    {"24703282292062327", -340, 0.0},
    {"24703282292062328", -340, 4.9406564584124654e-324},
    {"17976931348623158", 292, DBL_MAX},
    {"17976931348623159", 292, HUGE_VAL},
    {"1", 309, HUGE_VAL},
    {"1", -400, 0.0},
    {"1", 1000000000, HUGE_VAL},
};

TEST(NearestDouble, RoundsToNearestAndTiesToEven) {
    for (const auto& c : kNearestCases) {
        ExpectSameBits(text::NearestDouble(c.digits, c.exponent), c.nearest, c.digits, c.exponent);
    }
}

TEST(NearestDouble, DigitsPastEightHundredStillDecideAHalfwayCase) {
    const std::string half = "9007199254740993" + std::string(900, '0');
    ExpectSameBits(text::NearestDouble(half, -900), 9007199254740992.0, half, -900);
    ExpectSameBits(text::NearestDouble(half + "1", -901), 9007199254740994.0, half + "1", -901);
    const std::string below = "9007199254740992" + std::string(900, '9');
    ExpectSameBits(text::NearestDouble(below, -900), 9007199254740992.0, below, -900);
}

TEST(NearestDouble, AgreesWithTheLibraryOnRandomDecimals) {
    std::mt19937_64 random(41);
    for (int i = 0; i < 4000; ++i) {
        std::string digits(static_cast<std::size_t>(1 + random() % 24), '0');
        for (char& c : digits) {
            c = static_cast<char>('0' + random() % 10);
        }
        const long long exponent = static_cast<long long>(random() % 680) - 360;
        ExpectSameBits(text::NearestDouble(digits, exponent), LibraryReading(digits, exponent), digits, exponent);
    }
}

TEST(ShortestDigits, ReadsBackAndDropsTrailingZeros) {
    const text::DecimalDigits thousand = text::ShortestDigits(1000);
    EXPECT_EQ(thousand.digits, "1");
    EXPECT_EQ(thousand.exponent, 3);
    const text::DecimalDigits tenth = text::ShortestDigits(0.1);
    EXPECT_EQ(tenth.digits, "1");
    EXPECT_EQ(tenth.exponent, -1);
    const text::DecimalDigits largest = text::ShortestDigits(DBL_MAX);
    EXPECT_EQ(largest.digits, "17976931348623157");
    EXPECT_EQ(largest.exponent, 308);
}

}  // namespace
