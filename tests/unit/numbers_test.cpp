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
#include <utility>

namespace {

// What the input filter reads from a typed text, and the plain text it writes back.
const struct {
    const wchar_t* typed;
    double number;
    const wchar_t* shown;
} kFilterCases[] = {
    {L"05", 5, L"5"},
    {L"", 0, L"0"},
    {L"480x", 480, L"480"},
    {L"-0", 0, L"0"},
    {L"--5", 0, L"0"},
    {L"- 5", -5, L"-5"},
    {L" \t\n4\n2", 42, L"42"},
    {L"1\r2", 1, L"1"},
    {L".5", 0.5, L"0.5"},
    {L"1.", 1, L"1"},
    {L"1.2.3", 1.2, L"1.2"},
    {L"12E", 12, L"12"},
    {L"1E3", 1000, L"1000"},
    {L"-2.5e-2x", -0.025, L"-0.025"},
    {L"&H1F", 31, L"31"},
    {L"&o78", 7, L"7"},
    {L"&HG1", 0, L"0"},
    {L"-&H10", -16, L"-16"},
    {L"&HFFFFFFFF", 4294967295.0, L"4294967295"},
    {L"0.30000000000000004", 0.1 + 0.2, L"0.30000000000000004"},
    {L"999999999999999", 999999999999999.0, L"999999999999999"},
    {L"1e15", 1e15, L"1E+15"},
    {L"0.00001", 0.00001, L"0.00001"},
    {L"0.000001", 0.000001, L"1E-06"},
    {L"1e400", DBL_MAX, L"1.7976931348623157E+308"},
    {L"-1e99999999999999999999", -DBL_MAX, L"-1.7976931348623157E+308"},
    {L"2.48e-324", 4.9406564584124654e-324, L"5E-324"},
    {L"0.0000999e-321", 0, L"0"},
    {L"9007199254740993.000000000000000000000000000001", 9007199254740994.0, L"9.007199254740994E+15"},
};

TEST(ReadLeadingNumber, ReadsTheNumberAtTheHeadAndTheFilterWritesItPlainly) {
    for (const auto& c : kFilterCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.typed)));
        const double number = text::ReadLeadingNumber(c.typed);
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(text::FormatPlainNumber(number), c.shown);
    }
    EXPECT_EQ(text::FormatPlainNumber(-0.0), L"0");
    EXPECT_EQ(text::FormatPlainNumber(HUGE_VAL), L"1.7976931348623157E+308");
    EXPECT_EQ(text::FormatPlainNumber(NAN), L"0");
}

TEST(ReadLeadingNumber, OverlongDigitRunsStayFinite) {
    EXPECT_EQ(text::ReadLeadingNumber(std::wstring(400, L'9')), DBL_MAX);
    EXPECT_EQ(text::ReadLeadingNumber(L"&H" + std::wstring(300, L'F')), DBL_MAX);
    EXPECT_EQ(text::ReadLeadingNumber(L"0." + std::wstring(400, L'0') + L"1e401"), 1.0);
    EXPECT_DOUBLE_EQ(text::ReadLeadingNumber(L"-" + std::wstring(1000, L'1') + L"e-1100"), -1.1111111111111111e-101);
}

// Significant digits of a number text, without sign, point, exponent, leading or trailing zeros.
std::string SignificantDigits(std::string_view text) {
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("eE"))) {
        if (c >= '0' && c <= '9' && (c != '0' || !digits.empty())) {
            digits.push_back(c);
        }
    }
    return digits.substr(0, digits.find_last_not_of('0') + 1);
}

// The written text reads back as the identical double and is final for the filter's re-run; its digits are the
// fewest that do, the nearest to the value when several do (the library's shortest form).
void ExpectShortestRoundTrip(double number) {
    const std::wstring written = text::FormatPlainNumber(number);
    const double readBack = text::ReadLeadingNumber(written);
    EXPECT_EQ(std::memcmp(&readBack, &number, sizeof number), 0)
        << number << " written " << testing::PrintToString(written);
    EXPECT_EQ(text::FormatPlainNumber(readBack), written);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::scientific);
    EXPECT_EQ(SignificantDigits(std::string(written.begin(), written.end())),
              SignificantDigits(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))))
        << number << " written " << testing::PrintToString(written);
}

TEST(FormatPlainNumber, WritesTheFewestNearestDigitsThatReadBack) {
    for (double number : {1e15 - 1, 1e15 + 2, 123456789.123456789, 5e-324, DBL_MIN, DBL_MAX, -DBL_MAX, 1e23, -7e-10}) {
        ExpectShortestRoundTrip(number);
    }
    // Powers of two have a rounding interval twice as wide above as below.
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        ExpectShortestRoundTrip(std::ldexp(1.0, exponent));
    }
    std::mt19937_64 bits(20261204);
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t pattern = bits();
        double number = 0;
        std::memcpy(&number, &pattern, sizeof number);
        if (std::isfinite(number) && number != 0) {
            ExpectShortestRoundTrip(number);
        }
        ExpectShortestRoundTrip(static_cast<double>(pattern % 1000000) / 1000);
    }
}

// The loader's conversion: the whole text one number, rounded half to even, within 32 bits.
const std::pair<const wchar_t*, std::int32_t> kWholeCases[] = {
    {L"0480", 480}, {L"  12  ", 12}, {L"2.5", 2}, {L"3.5", 4},   {L"-2.5", -2},
    {L"-3.5", -4},  {L"2.5001", 3},  {L".5", 0},  {L"15e-1", 2}, {L"&H1F", 31}};
const wchar_t* const kNotWhole[] = {L"2147483647.5", L"2147483648", L"&HFFFFFFFF", L"",   L"12x",
                                    L"1 2",          L"5\n",        L"1e",         L"&H", L"１５"};

TEST(ToWholeNumber, RoundsHalfToEvenAndRejectsAnythingElse) {
    for (const auto& [text, value] : kWholeCases) {
        EXPECT_EQ(text::ToWholeNumber(text), value) << testing::PrintToString(std::wstring(text));
    }
    EXPECT_EQ(text::ToWholeNumber(L"2147483647.4"), INT32_MAX);
    EXPECT_EQ(text::ToWholeNumber(L"-2147483648.5"), INT32_MIN);
    for (const wchar_t* text : kNotWhole) {
        EXPECT_EQ(text::ToWholeNumber(text), std::nullopt) << testing::PrintToString(std::wstring(text));
    }
}

void ExpectLocaleIndependent() {
    EXPECT_EQ(text::ReadLeadingNumber(L"1.5"), 1.5);
    EXPECT_EQ(text::ReadLeadingNumber(L"1,5"), 1.0);
    EXPECT_EQ(text::FormatPlainNumber(-1234567.25), L"-1234567.25");
    EXPECT_EQ(text::FormatPlainNumber(2.5e-7), L"2.5E-07");
    EXPECT_EQ(text::ToWholeNumber(L"2.5"), 2);
    EXPECT_EQ(text::ToWholeNumber(L"1,5"), std::nullopt);
    EXPECT_EQ(text::FormatInteger(-20000), L"-20000");
    EXPECT_EQ(text::FormatInteger(LLONG_MIN), L"-9223372036854775808");
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
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8", "German_Germany.1252", "de-DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
            ExpectLocaleIndependent();
            std::setlocale(LC_ALL, previous.c_str());
            return;
        }
    }
    std::setlocale(LC_ALL, previous.c_str());
    GTEST_SKIP() << "no locale with a decimal comma is installed";
}

}  // namespace
