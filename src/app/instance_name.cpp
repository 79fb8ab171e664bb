#include "app/instance_name.h"

#include <cstdint>

std::wstring InstanceMutexName(std::wstring_view executablePath) {
    // A kernel object name may not hold a backslash after its namespace prefix and is limited in
    // length, so the path goes in as a hash.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const wchar_t c : executablePath) {
        const auto folded = static_cast<std::uint32_t>(c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c);
        hash = (hash ^ folded) * 1099511628211ULL;
    }
    return L"Local\\timer-instance-" + std::to_wstring(hash);
}
