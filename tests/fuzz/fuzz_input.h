// The two ways a fuzz target turns its bytes into the program's text: decoded from code page 936, as
// the settings file and the ANSI controls deliver it, and byte for byte, which reaches every character
// below U+0100 whether or not it forms valid GBK.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace fuzz {

inline std::wstring FromGbk(const std::uint8_t* data, std::size_t size) {
    return text::FromCodePage(std::string_view(reinterpret_cast<const char*>(data), size), text::kGbkCodePage);
}

inline std::wstring ByteForByte(const std::uint8_t* data, std::size_t size) {
    return std::wstring(data, data + size);
}

// A scratch folder name of one length whatever the process number: the paths a target builds then take the
// same branches in every run from the same start.
inline std::string ScratchName(const std::string& prefix) {
    const std::string number = std::to_string(getpid());
    return prefix + std::string(10 - number.size(), '0') + number;
}

// A broken promise is a crash, so that the fuzzer keeps the input that shows it.
inline void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

}  // namespace fuzz
