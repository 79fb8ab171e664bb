#include "app/autostart_box.h"

#include <algorithm>

namespace autostart {

std::wstring Command(const std::wstring& folder, const std::wstring& baseName) {
    const std::wstring separator = folder.size() == 3 ? L"" : L"\\";
    return folder + separator + baseName + L".exe /s";
}

void Check1_Click(AutostartBox& box, const std::wstring& command) {
    if (box.Value() == 1) {
        box.WriteRunValue(command);
    } else {
        box.DeleteRunValue();
    }
}

void SetFromRegistry(AutostartBox& box, const std::wstring& command) {
    std::wstring value = box.ReadRunValue();
    value.resize(std::min(value.find(L'\0'), value.size()));
    const int ticked = value == command ? 1 : 0;
    if (box.Value() != ticked) {
        box.SetValue(ticked);
        Check1_Click(box, command);
    }
}

}  // namespace autostart
