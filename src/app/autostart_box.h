// The autostart check box "开机自动运行" and the Run value behind it.
#pragma once

#include <string>

// The box and the value, as its click handler and start-up see them.
class AutostartBox {
  public:
    virtual ~AutostartBox() = default;
    virtual int Value() const = 0;  // 1 ticked, 0 not
    // Sets the box alone: its click handler does not run.
    virtual void SetValue(int value) = 0;
    // The value's text, "" when it is missing or cannot be read.
    virtual std::wstring ReadRunValue() = 0;
    virtual bool WriteRunValue(const std::wstring& command) = 0;
    virtual bool DeleteRunValue() = 0;
};

namespace autostart {

// The command this copy registers: its folder, a "\" unless the folder is a drive root (3 characters), its
// base name and ".exe /s", unquoted.
std::wstring Command(const std::wstring& folder, const std::wstring& baseName);

// Check1_Click: the value 1 writes the command, any other deletes the value. The answer is not looked at, so
// the box keeps the state the user gave it.
void Check1_Click(AutostartBox& box, const std::wstring& command);

// Start-up: the box is ticked when the Run value, cut at a NUL, is exactly the command. As with a click, only a
// change of the box runs Check1_Click, which then writes the same value once more.
void SetFromRegistry(AutostartBox& box, const std::wstring& command);

}  // namespace autostart
