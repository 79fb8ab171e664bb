// clang-format off
// fuzz-sources: src/schedule/loader.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/platform/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// Arbitrary bytes as timer.ini: the loader and the private-profile functions under it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

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
        const fs::path native = fuzz::ScratchFolder("loader-fuzz");
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

bool StartsWithUtf8Mark(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF";
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Saves a restart time and loads the file again. False when the save failed, or when its rewrite brought the bytes
// of the UTF-8 mark to the head of a file that did not begin with them: the load then takes the whole file for
// UTF-8, as the real functions do.
bool SaveAndLoad(const Folder& folder, const std::wstring& time, ScheduleModel& model) {
    const fs::path path = folder.native / "timer.ini";
    const bool wasUtf8 = StartsWithUtf8Mark(ReadFile(path));
    if (ini::writeIniValue(ini::SettingsPath(folder.windows), L"重启", L"每天定时重启", time) == 0) {
        return false;
    }
    LoadSchedule(model, folder.windows);
    return wasUtf8 || !StartsWithUtf8Mark(ReadFile(path));
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

    // The first save rewrites a damaged file as the real functions do, which may change the other section: blanks
    // a NUL kept from the line end are trimmed once they end it, a header without a name goes and its keys join the
    // section above. A header of blanks before a NUL ("[重启\t\0]") is another section until that rewrite and
    // the same one after it, found ahead of the section the save appended: only a file without NUL is sure to
    // give its first save back. From then on a save leaves the other section alone.
    const bool hasNul = std::find(data, data + size, 0) != data + size;
    if (SaveAndLoad(folder, L"06:15", model) && !hasNul) {
        fuzz::Require(model.restartSchedule.dailyTime == L"06:15", "a saved value reads back");
    }
    if (SaveAndLoad(folder, L"06:16", again)) {
        fuzz::Require(again.restartSchedule.dailyTime == L"06:16", "a saved value reads back");
        fuzz::Require(again.shutdownSchedule == model.shutdownSchedule, "a save leaves the other section alone");
    }
    return 0;
}
