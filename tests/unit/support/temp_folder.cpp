#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#ifndef _WIN32
#include "platform/host/process_control.h"
#include "platform/codepage.h"
#endif

namespace fs = std::filesystem;

namespace testsupport {
namespace {

fs::path Native(const std::wstring& windowsPath) {
#ifdef _WIN32
    return fs::path(windowsPath);
#else
    return fs::path(hostenv::HostPath(windowsPath));
#endif
}

std::wstring WindowsForm(const fs::path& path) {
#ifdef _WIN32
    return path.wstring();
#else
    std::wstring wide = text::FromCodePage(path.string(), 65001);
    for (wchar_t& c : wide) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return wide;
#endif
}

}  // namespace

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder =
        fs::temp_directory_path() / ("timer-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(folder);
    path_ = WindowsForm(folder);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    const fs::path folder = Native(path_);
    // Tests may leave read-only entries behind; make them writable again so the folder can go.
    for (const auto& entry : fs::recursive_directory_iterator(folder, ignored)) {
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
}

std::string TempFolder::ReadBytes(const std::wstring& name) const {
    std::ifstream in(Native(path_ + L"\\" + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::WriteBytes(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(Native(path_ + L"\\" + name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool TempFolder::Exists(const std::wstring& name) const {
    std::error_code ignored;
    return fs::exists(Native(path_ + L"\\" + name), ignored);
}

}  // namespace testsupport
