// How much the once-a-second decision costs.
#include <cstdio>
#include <string>

#include "bench_support.h"
#include "scheduler/evaluation.h"

namespace {

void Report(const char* name, const ScheduleModel& model, const wchar_t* date, const wchar_t* time, std::int32_t tick) {
    volatile int sink = 0;
    const double ns = bench::NanosecondsPerCall([&] {
        const auto due = FindDueTrigger(date, time, tick, model);
        sink = sink + (due ? static_cast<int>(due->kind) + 1 : 0);
    });
    std::printf("%-34s %10.1f ns/call %14.0f calls/s\n", name, ns, 1e9 / ns);
}

}  // namespace

int main() {
    const ScheduleModel full = bench::FullModel();
    Report("FindDueTrigger, full, none due", full, bench::kQuietDate, bench::kQuietTime, bench::kQuietTick);
    Report("FindDueTrigger, full, row 1 due", full, L"2026-12-05", L"23:05:07", bench::kQuietTick);
    Report("FindDueTrigger, empty model", ScheduleModel{}, bench::kQuietDate, bench::kQuietTime, bench::kQuietTick);
    return 0;
}
