// Arbitrary stored values as the program reads them: the loader, the lines the main window shows for what it
// loaded, the tick's decision on it, and a settings dialog loaded from them, saved and loaded again.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/summary_lines.h"
#include "schedule/loader.h"
#include "scheduler/evaluation.h"
#include "support/memory_dialog.h"

namespace {

// A broken promise is a crash, so that the fuzzer keeps the input that shows it.
void Require(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

// A byte from 0x80 up stands for one of the characters the program's rules turn on.
constexpr wchar_t kWide[] = L"周日一二三四五六乗号上\u3000\uFF11\xD840\xDC00\xFFFF";

void CheckRecord(const ActionSchedule& s, const ActionKeys& keys, const SettingsFile& file) {
    Require(s.weeklyDayNumber == WeekdayNumberOf(s.weeklyDay), "the weekday number follows the weekday");
    Require(!s.onceDate.empty() || s.onceTime.empty(), "no one-time time without its date");
    Require(!s.weeklyDay.empty() || s.weeklyTime.empty(), "no weekly time without its weekday");
    Require(!file.Read(keys.section, keys.monthlyDay).empty() || s.monthlyTime.empty(), "no monthly time alone");
}

}  // namespace

// The input holds the sixteen values, the shutdown section's eight keys then the restart section's, each ended
// by a NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring value;
    MemorySettings file;
    std::size_t key = 0;
    for (std::size_t i = 0; i < size && key < 16; ++i) {
        if (data[i] != 0) {
            value += data[i] < 0x80 ? static_cast<wchar_t>(data[i]) : kWide[data[i] & 0x0F];
            continue;
        }
        const ActionKeys& keys = KeysFor(key < 8 ? Action::Shutdown : Action::Restart);
        file.Write(keys.section, keys.InOrder()[key % 8], value);
        value.clear();
        ++key;
    }
    ScheduleModel model;
    LoadSchedule(model, file);
    ScheduleModel again{model.restartSchedule, model.shutdownSchedule};
    LoadSchedule(again, file);
    Require(again.shutdownSchedule == model.shutdownSchedule && again.restartSchedule == model.restartSchedule,
            "loading starts afresh and gives the same");
    for (const Action action : {Action::Shutdown, Action::Restart}) {
        CheckRecord(model.For(action), KeysFor(action), file);
        for (const std::wstring& line : ScheduleLines(action, model.For(action))) {
            Require(line.back() == L')', "a summary line ends its trigger's ending");
        }
        Dialog dialog(action, file);
        dialog.Save();
        Require(View(Dialog(action, dialog.file)) == View(dialog), "a save loads back as the dialog showed it");
    }
    FindDueTrigger(L"2026-12-04", L"23:05:07", 3600000, model);
    return 0;
}
