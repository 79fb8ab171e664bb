// Lets timer expiries and window messages happen until a condition holds: on Windows by running the
// thread's message loop, on the host by moving the stand-in's clock from one expiry to the next.
#pragma once

#include <cstdint>
#include <functional>

namespace testsupport {

// Whether `done` held before `deadlineMs` milliseconds (of GetTickCount: real ones on Windows, the
// stand-in's on the host) had passed.
bool PumpUntil(const std::function<bool()>& done, std::uint32_t deadlineMs = 5000);

}  // namespace testsupport
