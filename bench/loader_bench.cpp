// How much loading the schedule from a full timer.ini costs (both sections, all sixteen keys).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_support.h"
#include "platform/codepage.h"
#include "schedule/loader.h"

namespace fs = std::filesystem;

namespace {

std::wstring Section(Action action) {
    const ActionKeys& keys = KeysFor(action);
    std::wstring text = L"[" + std::wstring(keys.section) + L"]\r\n";
    const std::pair<const wchar_t*, const wchar_t*> values[] = {
        {keys.onceDate, L"2026-12-05"}, {keys.onceTime, L"23:05"},   {keys.dailyTime, L"23:00"},
        {keys.weeklyDay, L"周五"},      {keys.weeklyTime, L"08:30"}, {keys.monthlyDay, L"4"},
        {keys.monthlyTime, L"23:00"},   {keys.bootMinutes, L"480"},
    };
    for (const auto& [key, value] : values) {
        text += std::wstring(key) + L"=" + value + L"\r\n";
    }
    return text;
}

// The folder in the form the program passes around: backslashes, as the stand-in expects.
std::wstring ProgramForm(const fs::path& folder) {
    std::wstring wide = text::FromCodePage(folder.string(), 65001);
    for (wchar_t& c : wide) {
        c = c == L'/' ? L'\\' : c;
    }
    return wide;
}

}  // namespace

int main() {
    const fs::path folder = fs::temp_directory_path() / "timer-loader-bench";
    fs::create_directories(folder);
    std::ofstream(folder / "timer.ini", std::ios::binary)
        << text::ToCodePage(Section(Action::Shutdown) + Section(Action::Restart), text::kGbkCodePage);

    ScheduleModel model;
    const std::wstring programFolder = ProgramForm(folder);
    const double ns = bench::NanosecondsPerCall([&] { LoadSchedule(model, programFolder); });
    const bool complete = model.shutdownSchedule == model.restartSchedule && model.restartSchedule.bootMinutes == 480 &&
                          model.restartSchedule.weeklyDayNumber == 6;
    std::printf("%-34s %10.0f ns/load %13.0f loads/s%s\n", "LoadSchedule, full timer.ini", ns, 1e9 / ns,
                complete ? "" : "  (model incomplete!)");
    fs::remove_all(folder);
    return complete ? 0 : 1;
}
