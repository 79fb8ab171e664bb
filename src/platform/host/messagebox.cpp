// Host stand-in for MessageBoxA: records the box and answers at once with the button the test chose.
#include "platform/host/messagebox_control.h"
#include "platform/codepage.h"

namespace {

struct MessageBoxState {
    std::vector<hostenv::ShownMessageBox> shown;
    int answer = IDOK;
};

MessageBoxState& State() {
    static MessageBoxState state;
    return state;
}

std::wstring FromAnsiOrEmpty(LPCSTR bytes) {
    return bytes == nullptr ? std::wstring() : text::FromAnsi(bytes);
}

}  // namespace

namespace hostenv {

const std::vector<ShownMessageBox>& ShownMessageBoxes() {
    return State().shown;
}

void SetMessageBoxAnswer(int answer) {
    State().answer = answer;
}

void ResetMessageBoxes() {
    State() = MessageBoxState{};
}

}  // namespace hostenv

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    State().shown.push_back(hostenv::ShownMessageBox{owner, FromAnsiOrEmpty(text), FromAnsiOrEmpty(caption), type});
    return State().answer;
}
