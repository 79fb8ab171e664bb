// clang-format off
// fuzz-sources: src/schedule/loader.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/text/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// Arbitrary bytes as timer.ini: the loader and the private-profile functions under it.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "fuzz_input.h"
#include "schedule/ini.h"
#include "schedule/loader.h"

namespace {

namespace fs = std::filesystem;

struct Folder {
    fs::path native;
    std::wstring windows;  // the form the program passes around: backslashes

    ~Folder() {
        std::error_code ignored;
        fs::remove_all(native, ignored);
    }
};

const Folder& ScratchFolder() {
    static const Folder folder = [] {
        const fs::path native = fs::temp_directory_path() / ("loader-fuzz-" + std::to_string(getpid()));
        fs::create_directories(native);
        std::wstring windows = text::FromCodePage(native.string(), 65001);
        for (wchar_t& c : windows) {
            if (c == L'/') {
                c = L'\\';
            }
        }
        return Folder{native, windows};
    }();
    return folder;
}

void WriteFile(const fs::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void CheckRecord(const ActionSchedule& s) {
    fuzz::Require(s.weeklyDayNumber == WeekdayNumberOf(s.weeklyDay), "the weekday number follows the weekday");
    fuzz::Require(!s.onceDate.empty() || s.onceTime.empty(), "no one-time time without its date");
    fuzz::Require(!s.weeklyDay.empty() || s.weeklyTime.empty(), "no weekly time without its weekday");
    for (const std::wstring* field :
         {&s.onceDate, &s.onceTime, &s.dailyTime, &s.weeklyDay, &s.weeklyTime, &s.monthlyTime}) {
        fuzz::Require(field->size() <= 254, "a value holds at most 254 bytes");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folder& folder = ScratchFolder();
    WriteFile(folder.native / "timer.ini", data, size);

    ScheduleModel model;
    LoadSchedule(model, folder.windows);
    CheckRecord(model.shutdownSchedule);
    CheckRecord(model.restartSchedule);

    ScheduleModel again;
    LoadSchedule(again, folder.windows);
    fuzz::Require(again.shutdownSchedule == model.shutdownSchedule && again.restartSchedule == model.restartSchedule,
                  "loading is repeatable");

    // Whatever the file held before, a save's value is what the next load finds.
    const std::wstring file = ini::SettingsPath(folder.windows);
    if (ini::writeIniValue(file, L"重启", L"每天定时重启", L"06:15") != 0) {
        LoadSchedule(model, folder.windows);
        fuzz::Require(model.restartSchedule.dailyTime == L"06:15", "a written value reads back");
        fuzz::Require(model.shutdownSchedule == again.shutdownSchedule, "a write leaves the other section alone");
    }
    return 0;
}
