#include "support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/codepage.h"
#include "platform/win32.h"

namespace fs = std::filesystem;
using testsupport::TempFolder;

namespace {

// As the stand-in maps a Windows path to a host path: slashes, in UTF-8. Windows takes it as it stands.
fs::path Native(std::wstring windowsPath) {
    std::replace(windowsPath.begin(), windowsPath.end(), L'\\', L'/');
    return fs::u8path(text::ToCodePage(windowsPath, CP_UTF8));
}

}  // namespace

// The name is random, as test programs run side by side; its Chinese part shows a path never narrowed byte by byte.
TempFolder::TempFolder() {
    const fs::path folder = fs::temp_directory_path() / ("timer-test-" + std::to_string(std::random_device{}()));
    path_ = text::FromCodePage(folder.u8string(), CP_UTF8) + L"定时";
    std::replace(path_.begin(), path_.end(), L'/', L'\\');
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
