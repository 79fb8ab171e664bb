// What the benchmarks share: a schedule with every trigger set, and a clock for runs of calls.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "schedule/schedule_model.h"

namespace bench {

// All ten triggers set, none of them due at kQuietDate/kQuietTime, so every row is examined.
ScheduleModel FullModel();
constexpr const wchar_t* kQuietDate = L"2026-12-04";
constexpr const wchar_t* kQuietTime = L"10:17:33";
constexpr std::int32_t kQuietTick = 600000;  // ten minutes up, below every after-start trigger

// Runs `body` in growing batches until about `budget` has passed; nanoseconds per call.
template <typename Body>
double NanosecondsPerCall(Body&& body, std::chrono::milliseconds budget = std::chrono::milliseconds(500)) {
    using Clock = std::chrono::steady_clock;
    std::uint64_t calls = 0;
    std::uint64_t batch = 64;
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed{};
    while (elapsed < budget) {
        for (std::uint64_t i = 0; i < batch; ++i) {
            body();
        }
        calls += batch;
        batch *= 2;
        elapsed = Clock::now() - start;
    }
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed).count()) /
           static_cast<double>(calls);
}

}  // namespace bench
