// clang-format off
// fuzz-sources: src/text/numbers.cpp src/text/decimal_digits.cpp src/platform/codepage.cpp src/platform/host/codepage.cpp
// clang-format on
// The input filter's reading and writing, and the loader's whole-number conversion.
#include <cmath>
#include <cstring>

#include "fuzz_input.h"
#include "text/numbers.h"

namespace {

void Check(const std::wstring& typed) {
    const double number = text::ReadLeadingNumber(typed);
    fuzz::Require(std::isfinite(number), "the number read is finite");

    // What the filter writes, read again, is the same number, and the filter then leaves it alone.
    const std::wstring shown = text::FormatPlainNumber(number);
    const double again = text::ReadLeadingNumber(shown);
    fuzz::Require(again == number, "the written number reads back as the same double");
    fuzz::Require(text::FormatPlainNumber(again) == shown, "the filter is final after one replacement");

    // A text the loader takes as a whole number is one number with blanks around it, so the filter's
    // reading is that number before rounding.
    if (const auto whole = text::ToWholeNumber(typed)) {
        fuzz::Require(std::fabs(*whole - number) <= 0.5, "the loader's number rounds the filter's number");
    }
    if (std::fabs(number) <= 2147483647.0) {
        const auto whole = text::ToWholeNumber(shown);
        fuzz::Require(whole.has_value(), "the loader takes every plain number text in range");
        fuzz::Require(std::fabs(*whole - number) <= 0.5, "the loader rounds to a neighbour");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Check(fuzz::FromGbk(data, size));
    Check(fuzz::ByteForByte(data, size));
    return 0;
}
