// What a fuzz target needs: a scratch folder at the same path in every run, the settings file in it, and
// promises that crash when broken.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fuzz {

// A broken promise is a crash, so that the fuzzer keeps the input that shows it.
inline void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

// The scratch folder of a target as the program sees it: /proc/self/fd/1000 in every run, this process's handle on
// a fresh folder of its own. The program compares the characters of the paths it builds, so a path that changed
// from run to run would change where fuzzing goes; runs side by side still get folders of their own. The folder
// goes when the process ends.
inline std::wstring Folder(const char* name) {
    static std::string real = (std::filesystem::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
    static std::error_code ignored;
    static const bool ready = mkdtemp(real.data()) != nullptr &&
                              dup2(open(real.c_str(), O_RDONLY | O_DIRECTORY), 1000) == 1000 &&
                              std::atexit([] { std::filesystem::remove_all(real, ignored); }) == 0;
    Require(ready, "a scratch folder of its own");
    return L"\\proc\\self\\fd\\1000";  // the form the program passes around
}

inline std::string SettingsBytes() {
    std::ifstream in("/proc/self/fd/1000/timer.ini", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteSettings(const std::string& bytes) {
    std::ofstream("/proc/self/fd/1000/timer.ini", std::ios::binary) << bytes;
}

}  // namespace fuzz
