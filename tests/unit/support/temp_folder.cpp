#include "support/temp_folder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/codepage.h"
#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace fs = std::filesystem;

namespace testsupport {
namespace {

// The stand-in maps the Windows paths it is given to host paths; so does this.
fs::path Native(const std::wstring& windowsPath) {
#ifdef _WIN32
    return windowsPath;
#else
    return hostenv::HostPath(windowsPath);
#endif
}

std::wstring WindowsForm(const fs::path& path) {
#ifdef _WIN32
    return path.wstring();
#else
    std::wstring wide = text::FromCodePage(path.string(), CP_UTF8);
    for (wchar_t& c : wide) {
        c = c == L'/' ? L'\\' : c;
    }
    return wide;
#endif
}

}  // namespace

TempFolder::TempFolder() {
    static unsigned counter = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = "timer-test-" + std::to_string(stamp) + "-" + std::to_string(counter++);
    path_ = WindowsForm(fs::temp_directory_path() / name) + L"定时";
    fs::create_directories(Native(path_));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(Native(path_), ignored);
}

std::string TempFolder::ReadBytes(const std::wstring& name) const {
    std::ifstream in(Native(path_ + L"\\" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::WriteBytes(const std::wstring& name, const std::string& bytes) const {
    std::ofstream(Native(path_ + L"\\" + name), std::ios::binary) << bytes;
}

}  // namespace testsupport
