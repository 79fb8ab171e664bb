#include "scheduler/mtimer.h"

#include "scheduler/timer.h"

namespace mTimer {

Registry& TimerRegistry() {
    static Registry registry;
    return registry;
}

std::wstring RegistryKey(std::uintptr_t timerId) {
    return L"ID:" + std::to_wstring(timerId);
}

void RaiseTimerOf(std::uintptr_t timerId) {
    const Registry& registry = TimerRegistry();
    const auto entry = registry.find(RegistryKey(timerId));
    // An expiry already in the queue when its timer was killed finds no entry; it is dropped.
    if (entry == registry.end()) {
        return;
    }
    // The registry only borrows the object: it is neither kept alive nor released here.
    reinterpret_cast<const Timer*>(entry->second)->RaiseTimer();
}

}  // namespace mTimer
