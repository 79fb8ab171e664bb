// A fresh folder with a Chinese name for one test, removed with everything in it when the test ends.
#pragma once

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

struct TempFolder {
    TempFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path = temp + (L"定时" + std::to_wstring(GetCurrentProcessId()));
        std::filesystem::create_directory(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Bytes(const std::wstring& name) const {
        std::ifstream in(std::filesystem::path(path + L"\\" + name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::wstring path;
};
