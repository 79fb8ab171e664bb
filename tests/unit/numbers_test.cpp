#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstring>
#include <locale>
#include <optional>
#include <random>
#include <string>

namespace {

struct FilterCase {
    const wchar_t* typed;
    double number;
    const wchar_t* shown;  // what the input filter writes back
};

const FilterCase kFilterCases[] = {
    {L"05", 5, L"5"},
    {L"0a", 0, L"0"},
    {L"", 0, L"0"},
    {L"480x", 480, L"480"},
    {L"0480", 480, L"480"},
    {L"-5", -5, L"-5"},
    {L"1.5", 1.5, L"1.5"},
    {L"1 2", 12, L"12"},
    {L"&H1F", 31, L"31"},
    {L"1.", 1, L"1"},
    {L"12E", 12, L"12"},
    {L"1E3", 1000, L"1000"},
    {L"2.5e-2x", 0.025, L"0.025"},
    {L"- 5", -5, L"-5"},
    {L" \t\n4\n2", 42, L"42"},
    {L"1\r2", 1, L"1"},
    {L".5", 0.5, L"0.5"},
    {L"-0", 0, L"0"},
    {L"--5", 0, L"0"},
    {L"1.2.3", 1.2, L"1.2"},
    {L"1,5", 1, L"1"},
    {L"&o78", 7, L"7"},
    {L"&HG1", 0, L"0"},
    {L"-&H10", -16, L"-16"},
    {L"&HFFFFFFFF", 4294967295.0, L"4294967295"},
    {L"12乗", 12, L"12"},
    {L"乗12", 0, L"0"},
    {L"0.30000000000000004", 0.1 + 0.2, L"0.30000000000000004"},
    {L"1e400", DBL_MAX, L"1.7976931348623157E+308"},
    {L"-1e99999999999999999999", -DBL_MAX, L"-1.7976931348623157E+308"},
    {L"1e-400", 0, L"0"},
    {L"4.9406564584124654E-324", 4.9406564584124654e-324, L"5E-324"},
    {L"2.48e-324", 4.9406564584124654e-324, L"5E-324"},
    {L"2.47e-324", 0, L"0"},
    {L"0.0000999e-321", 0, L"0"},
    {L"9007199254740993", 9007199254740992.0, L"9.007199254740992E+15"},
    {L"9007199254740993.000000000000000000000000000001", 9007199254740994.0, L"9.007199254740994E+15"},
};

TEST(ReadLeadingNumber, ReadsTheNumberAtTheHeadAndTheFilterWritesItPlainly) {
    for (const auto& c : kFilterCases) {
        const double number = text::ReadLeadingNumber(c.typed);
        EXPECT_EQ(number, c.number) << "typed: " << testing::PrintToString(std::wstring(c.typed));
        EXPECT_EQ(text::FormatPlainNumber(number), c.shown)
            << "typed: " << testing::PrintToString(std::wstring(c.typed));
    }
}

TEST(ReadLeadingNumber, OverlongDigitRunsStayFinite) {
    EXPECT_EQ(text::ReadLeadingNumber(std::wstring(400, L'9')), DBL_MAX);
    EXPECT_EQ(text::ReadLeadingNumber(L"&H" + std::wstring(300, L'F')), DBL_MAX);
    EXPECT_EQ(text::ReadLeadingNumber(L"0." + std::wstring(400, L'0') + L"1e401"), 1.0);
    EXPECT_DOUBLE_EQ(text::ReadLeadingNumber(L"-" + std::wstring(1000, L'1') + L"e-1100"), -1.1111111111111111e-101);
}

struct PlainCase {
    double number;
    const wchar_t* text;
};

const PlainCase kPlainCases[] = {
    {0.0, L"0"},
    {-0.0, L"0"},
    {-123.456, L"-123.456"},
    {0.1, L"0.1"},
    {999999999999999.0, L"999999999999999"},
    {100000000000000.5, L"100000000000000.5"},
    {1e15, L"1E+15"},
    {1e20, L"1E+20"},
    {-1.5e300, L"-1.5E+300"},
    {0.00001, L"0.00001"},
    {0.000001, L"1E-06"},
    {2.5e-7, L"2.5E-07"},
    {HUGE_VAL, L"1.7976931348623157E+308"},
    {NAN, L"0"},
};

TEST(FormatPlainNumber, WritesShortestPlainTextAndExponentsOnlyAtTheExtremes) {
    for (const auto& c : kPlainCases) {
        EXPECT_EQ(text::FormatPlainNumber(c.number), c.text) << c.number;
    }
}

// The filter's replacement re-runs the filter, which must find its own text final.
void ExpectRoundTrip(double number) {
    const std::wstring written = text::FormatPlainNumber(number);
    const double readBack = text::ReadLeadingNumber(written);
    EXPECT_EQ(std::memcmp(&readBack, &number, sizeof number), 0)
        << number << " written " << testing::PrintToString(written);
    EXPECT_EQ(text::FormatPlainNumber(readBack), written);
}

TEST(FormatPlainNumber, ReadsBackAsTheIdenticalDouble) {
    for (double number : {0.1, 1.0 / 3, 2.0 / 3, 1e15 - 1, 1e15 + 2, 9007199254740993.0, 123456789.123456789, 1e-5,
                          1e-6, 5e-324, DBL_MIN, DBL_MAX, -DBL_MAX, 1e22, 1e23, -7e-10}) {
        ExpectRoundTrip(number);
    }
    std::mt19937_64 bits(20261204);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t pattern = bits();
        double number = 0;
        std::memcpy(&number, &pattern, sizeof number);
        if (std::isfinite(number) && number != 0) {
            ExpectRoundTrip(number);
        }
    }
}

// Significant digits of a number text, without sign, point, exponent, leading or trailing zeros.
std::string SignificantDigits(std::string_view text) {
    text = text.substr(0, text.find_first_of("eE"));
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9' && (c != '0' || !digits.empty())) {
            digits.push_back(c);
        }
    }
    return digits.substr(0, digits.find_last_not_of('0') + 1);
}

// The library's shortest round trip picks, among the fewest digits, those nearest the value.
void ExpectLibraryDigits(double number) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
    const std::wstring written = text::FormatPlainNumber(number);
    EXPECT_EQ(SignificantDigits(std::string(written.begin(), written.end())),
              SignificantDigits(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))))
        << number << " written " << testing::PrintToString(written);
}

TEST(FormatPlainNumber, WritesTheFewestNearestDigits) {
    // Powers of two have a rounding interval twice as wide above as below.
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        ExpectLibraryDigits(std::ldexp(1.0, exponent));
    }
    std::mt19937_64 bits(7);
    for (int i = 0; i < 5000; ++i) {
        const std::uint64_t pattern = bits();
        double number = 0;
        std::memcpy(&number, &pattern, sizeof number);
        if (std::isfinite(number) && number != 0) {
            ExpectLibraryDigits(number);
        }
        ExpectLibraryDigits(static_cast<double>(pattern % 1000000) / 1000);
    }
}

struct WholeCase {
    const wchar_t* text;
    std::optional<std::int32_t> value;
};

const WholeCase kWholeCases[] = {
    {L"0480", 480},
    {L"  12  ", 12},
    {L"1.5", 2},
    {L"2.5", 2},
    {L"3.5", 4},
    {L"-2.5", -2},
    {L"-3.5", -4},
    {L"2.5001", 3},
    {L".5", 0},
    {L"1e3", 1000},
    {L"15e-1", 2},
    {L"1e-400", 0},
    {L"&H1F", 31},
    {L"-&H10", -16},
    {L"2147483647", INT32_MAX},
    {L"2147483647.4", INT32_MAX},
    {L"-2147483648", INT32_MIN},
    {L"-2147483648.5", INT32_MIN},
    {L"2147483647.5", std::nullopt},
    {L"2147483648", std::nullopt},
    {L"&HFFFFFFFF", std::nullopt},
    {L"", std::nullopt},
    {L"12x", std::nullopt},
    {L"1 2", std::nullopt},
    {L"1,5", std::nullopt},
    {L"5\n", std::nullopt},
    {L"1e", std::nullopt},
    {L"&H", std::nullopt},
    {L"１５", std::nullopt},
};

TEST(ToWholeNumber, RoundsHalfToEvenAndRejectsAnythingElse) {
    for (const auto& c : kWholeCases) {
        EXPECT_EQ(text::ToWholeNumber(c.text), c.value) << testing::PrintToString(std::wstring(c.text));
    }
}

TEST(FormatInteger, WritesDecimalDigitsWithoutBlanks) {
    EXPECT_EQ(text::FormatInteger(0), L"0");
    EXPECT_EQ(text::FormatInteger(-5), L"-5");
    EXPECT_EQ(text::FormatInteger(20000), L"20000");
    EXPECT_EQ(text::FormatInteger(LLONG_MIN), L"-9223372036854775808");
}

void ExpectLocaleIndependent() {
    EXPECT_EQ(text::ReadLeadingNumber(L"1.5"), 1.5);
    EXPECT_EQ(text::ReadLeadingNumber(L"1,5"), 1.0);
    EXPECT_EQ(text::FormatPlainNumber(1.5), L"1.5");
    EXPECT_EQ(text::FormatPlainNumber(-1234567.25), L"-1234567.25");
    EXPECT_EQ(text::FormatPlainNumber(2.5e-7), L"2.5E-07");
    EXPECT_EQ(text::ToWholeNumber(L"2.5"), 2);
    EXPECT_EQ(text::ToWholeNumber(L"1,5"), std::nullopt);
}

class CommaNumpunct : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(NumberText, IgnoresTheGlobalLocalesDecimalComma) {
    // The locale takes ownership of the facet.
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaNumpunct));
    ExpectLocaleIndependent();
    std::locale::global(previous);
}

TEST(NumberText, IgnoresTheCLibrarysDecimalComma) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    bool found = false;
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "German_Germany.1252", "de-DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            found = true;
            break;
        }
    }
    if (found) {
        ExpectLocaleIndependent();
    }
    std::setlocale(LC_ALL, previous.c_str());
    if (!found) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
}

}  // namespace
