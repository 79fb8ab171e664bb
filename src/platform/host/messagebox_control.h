// Test controls of the host stand-in for MessageBoxA: every box is recorded instead of shown.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace hostenv {

struct ShownMessageBox {
    HWND owner;
    std::wstring text;     // converted back from the ANSI code page
    std::wstring caption;  // likewise
    UINT type;
};

const std::vector<ShownMessageBox>& ShownMessageBoxes();
// The button every later box reports as pressed (IDOK unless set).
void SetMessageBoxAnswer(int answer);
void ResetMessageBoxes();

}  // namespace hostenv
