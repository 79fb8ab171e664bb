#include "app/autostart_box.h"

#include "platform/program_path.h"
#include "system/reg.h"

namespace autostart {

std::wstring ExpectedCommand() {
    return reg::AutostartCommand(platform::ProgramFolder(), platform::ProgramBaseName());
}

bool IsRegistered(const std::wstring& command) {
    DWORD valueType = REG_SZ;
    std::wstring value =
        reg::readRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, valueType);
    const std::size_t nul = value.find(L'\0');
    if (nul != std::wstring::npos) {
        value.resize(nul);
    }
    return value == command;
}

void Apply(int boxValue, const std::wstring& command) {
    if (boxValue == 1) {
        reg::writeRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName, command, REG_SZ);
    } else {
        reg::deleteRegistryValue(HKEY_LOCAL_MACHINE, reg::kRunKeyPath, reg::kAutostartValueName);
    }
}

}  // namespace autostart
