#include "support/temp_folder.h"

#include <algorithm>
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

}  // namespace

TempFolder::TempFolder() {
    static unsigned counter = 0;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder =
        fs::temp_directory_path() / ("timer-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
#ifdef _WIN32
    path_ = folder.wstring() + L"定时";
#else
    path_ = text::FromCodePage(folder.string(), CP_UTF8) + L"定时";
    std::replace(path_.begin(), path_.end(), L'/', L'\\');
#endif
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
