// Lets timer expiries and window messages happen until a condition holds: on Windows by running the
// thread's message loop, on the host by moving the stand-in's clock from one expiry to the next.
#pragma once

#include <cstdint>
#include <functional>

namespace testsupport {

constexpr std::uint32_t kPumpDeadline = 5000;

// Returns whether `done` held before `deadlineMs` milliseconds (real ones on Windows, the stand-in's
// on the host) had passed.
bool PumpUntil(const std::function<bool()>& done, std::uint32_t deadlineMs = kPumpDeadline);

}  // namespace testsupport
