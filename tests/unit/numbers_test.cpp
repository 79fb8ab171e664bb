#include "text/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// The input filter's reading and writing, and the loader's conversion (the whole text one number, rounded half
// to even, within 32 bits).
void ExpectTables() {
    const std::pair<const wchar_t*, const wchar_t*> kRead[] = {
        {L"05", L"5"},    {L"", L"0"},        {L"480x", L"480"},     {L"-0", L"0"},
        {L"--5", L"0"},   {L"- 5", L"-5"},    {L" \t\n4\n2", L"42"}, {L"1\r2", L"1"},
        {L"+.5", L"0.5"}, {L"1.", L"1"},      {L"1.2.3", L"1.2"},    {L"1,5", L"1"},
        {L"12E", L"12"},  {L"1e+", L"1"},     {L"1E3", L"1000"},     {L"-2.5e-2x", L"-0.025"},
        {L"&H1F", L"31"}, {L"&hAf", L"175"},  {L"&o078", L"7"},      {L"&HG1", L"0"},
        {L"&", L"0"},     {L"-&H10", L"-16"}, {L"&h9", L"9"}};
    std::vector<std::pair<std::wstring, std::wstring>> cases(std::begin(kRead), std::end(kRead));
    const std::wstring zeros(900, L'0');
    cases.insert(cases.end(),
                 {
                     {L"1e400", L"1.7976931348623157E+308"},
                     {L"-&H" + std::wstring(300, L'F'), L"-1.7976931348623157E+308"},
                     {L"0." + zeros + L"1e901", L"1"},
                     // Halfway between two doubles: to the even one, unless a digit however far out says otherwise.
                     {L"9007199254740993", L"9.007199254740992E+15"},
                     {L"9007199254740995", L"9.007199254740996E+15"},
                     {L"9007199254740993" + zeros + L"e-900", L"9.007199254740992E+15"},
                     {L"9007199254740993" + zeros + L"1e-901", L"9.007199254740994E+15"},
                 });
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(text::FormatPlainNumber(text::ReadLeadingNumber(typed)), shown)
            << testing::PrintToString(typed.substr(0, 40));
    }
    const std::pair<const wchar_t*, std::int32_t> kWhole[] = {
        {L"0480", 480}, {L" \t12 \t", 12}, {L"2.5", 2},     {L"3.5", 4},
        {L"-2.5", -2},  {L"-3.5", -4},     {L"2.5001", 3},  {L".5", 0},
        {L"15e-1", 2},  {L"&H1F", 31},     {L"-&o17", -15}, {L"-2147483648.5", INT32_MIN}};
    EXPECT_EQ(text::ToWholeNumber(L"2147483647.4"), INT32_MAX);
    for (const auto& [text, value] : kWhole) {
        EXPECT_EQ(text::ToWholeNumber(text), value) << testing::PrintToString(std::wstring(text));
    }
    for (const wchar_t* text : {L"2147483647.5", L"-2147483649", L"&HFFFFFFFF", L"", L"  ", L"12x", L"1 2", L"5\n",
                                L"1,5", L"1e", L"&H", L"１５"}) {
        EXPECT_EQ(text::ToWholeNumber(text), std::nullopt) << testing::PrintToString(std::wstring(text));
    }
}

TEST(NumberText, ReadsAndWritesTheSameInADecimalCommaLocale) {
    ExpectTables();
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "German_Germany.1252") == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    ExpectTables();
    EXPECT_EQ(text::FormatInteger(-1234567), L"-1234567");
    std::setlocale(LC_ALL, previous.c_str());
}

// The text is the library's shortest form (the fewest digits that read back, the nearest when several do), plain
// from 1e-5 to below 1e15, and reads back as the same double.
void ExpectShortest(double number) {
    const double size = std::fabs(number);
    char buffer[64];
    const auto format =
        size != 0 && (size >= 1e15 || size < 1e-5) ? std::chars_format::scientific : std::chars_format::fixed;
    std::string expected(buffer, std::to_chars(buffer, buffer + sizeof buffer, number, format).ptr);
    std::replace(expected.begin(), expected.end(), 'e', 'E');
    const std::wstring written = text::FormatPlainNumber(number);
    ASSERT_EQ(written, std::wstring(expected.begin(), expected.end()));
    ASSERT_EQ(text::ReadLeadingNumber(written), number) << expected;
}

// Also: any decimal text reads as the double the library reads; beyond the range, as the largest or 0.
TEST(FormatPlainNumber, WritesTheFewestNearestDigitsThatReadBack) {
    // Powers of two have a rounding interval twice as wide above as below.
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        ExpectShortest(std::ldexp(1.0, exponent));
    }
    std::mt19937_64 random(20261204);
    for (int i = 0; i < 10000; ++i) {
        const std::uint64_t pattern = random();
        double number = 0;
        std::memcpy(&number, &pattern, sizeof number);
        if (std::isfinite(number)) {
            ExpectShortest(number);
        }
        ExpectShortest(static_cast<double>(pattern % 1000000) / 1000);
        const int exponent = static_cast<int>(random() % 700) - 380;
        const std::string decimal = std::to_string(random()).substr(0, 1 + random() % 19) +
                                    std::to_string(random() % 1000000) + 'e' + std::to_string(exponent);
        double nearest = exponent > 0 ? DBL_MAX : 0.0;
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), nearest);
        ASSERT_EQ(text::ReadLeadingNumber(std::wstring(decimal.begin(), decimal.end())), nearest) << decimal;
    }
    EXPECT_EQ(text::FormatPlainNumber(-0.0), L"0");
}

}  // namespace
