// clang-format off
// fuzz-sources: src/schedule/loader.cpp src/schedule/ini.cpp src/schedule/schedule_model.cpp src/text/numbers.cpp src/platform/codepage.cpp src/platform/host/codepage.cpp src/platform/host/profile.cpp src/platform/host/process.cpp
// clang-format on
// Arbitrary bytes as timer.ini: the loader and the private-profile functions under it.
#include <algorithm>
#include <string>

#include "fuzz_input.h"
#include "schedule/ini.h"
#include "schedule/loader.h"

namespace {

bool StartsWithUtf8Mark() {
    return fuzz::SettingsBytes().rfind("\xEF\xBB\xBF", 0) == 0;
}

// Saves a restart time and loads the file again. False when the save failed, or when its rewrite brought the bytes
// of the UTF-8 mark to the head of a file that did not begin with them: the load then takes the whole file for
// UTF-8, as the real functions do.
bool SaveAndLoad(const std::wstring& folder, const std::wstring& time, ScheduleModel& model) {
    const bool wasUtf8 = StartsWithUtf8Mark();
    if (ini::writeIniValue(ini::SettingsPath(folder), L"重启", L"每天定时重启", time) == 0) {
        return false;
    }
    LoadSchedule(model, folder);
    return wasUtf8 || !StartsWithUtf8Mark();
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
    const std::wstring& folder = fuzz::Folder("loader-fuzz");
    fuzz::WriteSettings(std::string(reinterpret_cast<const char*>(data), size));

    ScheduleModel model;
    LoadSchedule(model, folder);
    CheckRecord(model.shutdownSchedule);
    CheckRecord(model.restartSchedule);

    ScheduleModel again;
    LoadSchedule(again, folder);
    fuzz::Require(again.shutdownSchedule == model.shutdownSchedule && again.restartSchedule == model.restartSchedule,
                  "loading is repeatable");

    // The first save rewrites a damaged file as the real functions do, which may change the other section: blanks
    // a NUL kept from the line end are trimmed once they end it, a header without a name goes and its keys join the
    // section above. A header whose name ends in blanks before a NUL ("[重启\t\0]") is another section until that
    // rewrite and the same one after it, found ahead of the section the save appended: only a file without NUL is sure
    // to give its first save back. From then on a save leaves the other section alone.
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
