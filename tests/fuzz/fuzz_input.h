// The two ways a fuzz target turns its bytes into the program's text: decoded from code page 936, as
// the settings file and the ANSI controls deliver it, and byte for byte, which reaches every character
// below U+0100 whether or not it forms valid GBK.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace fuzz {

inline std::wstring FromGbk(const std::uint8_t* data, std::size_t size) {
    return text::FromCodePage(std::string_view(reinterpret_cast<const char*>(data), size), text::kGbkCodePage);
}

inline std::wstring ByteForByte(const std::uint8_t* data, std::size_t size) {
    return std::wstring(data, data + size);
}

// The scratch folder of a target as the program sees it: /proc/self/fd/1000 in every run, this process's handle on
// a fresh folder of its own. The program compares the characters of the paths it builds, so a path that changed
// from run to run would change where fuzzing goes; runs side by side still get folders of their own. The folder
// goes when the process ends. Call it once per process.
inline std::string ScratchFolder(const std::string& name) {
    static struct Scratch {
        std::string real;
        ~Scratch() {
            std::error_code ignored;
            std::filesystem::remove_all(real, ignored);
        }
    } scratch;
    constexpr int kHandle = 1000;
    scratch.real = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
    const int handle =
        mkdtemp(scratch.real.data()) != nullptr ? open(scratch.real.c_str(), O_RDONLY | O_DIRECTORY) : -1;
    if (handle < 0 || dup2(handle, kHandle) != kHandle) {
        std::perror(scratch.real.c_str());
        std::abort();
    }
    close(handle);
    return "/proc/self/fd/" + std::to_string(kHandle);
}

// A broken promise is a crash, so that the fuzzer keeps the input that shows it.
inline void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

}  // namespace fuzz
