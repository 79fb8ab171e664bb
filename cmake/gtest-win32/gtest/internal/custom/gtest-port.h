// GoogleTest's own Notification needs std::mutex, which the win32 thread-model libstdc++ lacks.
// It only serves GoogleTest's thread helpers, which our single-threaded tests never start.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
  public:
    void Notify() { notified.store(true); }
    void WaitForNotification() {
        while (!notified.load()) {
        }
    }

  private:
    std::atomic<bool> notified{false};
};

}  // namespace internal
}  // namespace testing
