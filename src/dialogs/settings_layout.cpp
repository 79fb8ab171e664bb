#include "dialogs/settings_layout.h"

#include "dialogs/settings_ids.h"

namespace {

using F = SettingsField;
using K = SettingsControlKind;
namespace ids = settings_ids;
using ids::ForCheck;
using ids::ForField;
using ids::ForLabel;

}  // namespace

const std::vector<SettingsControl>& SettingsLayout() {
    static const std::vector<SettingsControl> kControls = {
        {ForCheck(SettingsCheck::Check1), K::CheckBox, L"设定关机时间", 240, 240, 1455, 375, 0},
        {ForCheck(SettingsCheck::Check2), K::CheckBox, L"每天定时关机", 240, 1920, 1455, 495, 0},
        {ForField(F::Text2), K::TextField, L"23", 480, 2520, 1215, 375, 2},
        {ForLabel(1), K::Label, L"点", 2040, 2640, 375, 255, 0},
        {ForField(F::Text3), K::TextField, L"0", 2640, 2520, 1215, 375, 2},
        {ForLabel(2), K::Label, L"分", 4080, 2640, 375, 255, 0},
        {ForCheck(SettingsCheck::Check3), K::CheckBox, L"每周定时关机", 240, 3000, 1455, 495, 0},
        {ForField(F::Text4), K::TextField, L"23", 480, 4080, 1215, 375, 2},
        {ForLabel(3), K::Label, L"点", 2040, 4200, 375, 255, 0},
        {ForField(F::Text5), K::TextField, L"0", 2640, 4080, 1215, 375, 2},
        {ForLabel(4), K::Label, L"分", 4080, 4200, 375, 255, 0},
        {ids::kCombo1, K::WeekdayList, L"", 480, 3600, 1215, 300, 0},
        {ForCheck(SettingsCheck::Check4), K::CheckBox, L"每月定时关机", 240, 4560, 1455, 495, 0},
        {ForField(F::Text6), K::TextField, L"1", 480, 5160, 1215, 375, 2},
        {ForLabel(5), K::Label, L"点", 2040, 5760, 375, 255, 0},
        {ForField(F::Text7), K::TextField, L"23", 480, 5640, 1215, 375, 2},
        {ForLabel(6), K::Label, L"分", 4080, 5760, 375, 255, 0},
        {ForField(F::Text8), K::TextField, L"0", 2640, 5640, 1215, 375, 2},
        {ForLabel(7), K::Label, L"号", 2040, 5280, 375, 255, 0},
        {ForCheck(SettingsCheck::Check5), K::CheckBox, L"每次开机运行多久自动关机", 240, 6120, 3615, 495, 0},
        {ForLabel(8), K::Label, L"分钟", 2040, 6840, 615, 255, 0},
        {ForField(F::Text9), K::TextField, L"480", 480, 6720, 1215, 375, 0},
        {ids::kCommand2, K::DefaultButton, L"确定", 1440, 7320, 1215, 375, 0},
        {ids::kCommand3, K::CancelButton, L"取消", 3120, 7320, 1215, 375, 0},
        {ForField(F::Text11), K::TextField, L"0", 2640, 1320, 1215, 375, 2},
        {ForField(F::Text10), K::TextField, L"23", 480, 1320, 1215, 375, 2},
        {ForLabel(10), K::Label, L"分", 4080, 1440, 375, 255, 0},
        {ForLabel(11), K::Label, L"点", 2040, 1440, 375, 255, 0},
        {ForField(F::Text12), K::TextField, L"", 480, 720, 1215, 375, 4},
        {ForLabel(9), K::Label, L"年", 1800, 840, 375, 255, 0},
        {ForField(F::Text13), K::TextField, L"", 2280, 720, 615, 375, 2},
        {ForLabel(12), K::Label, L"月", 3000, 840, 375, 255, 0},
        {ForField(F::Text14), K::TextField, L"", 3240, 720, 615, 375, 2},
        {ForLabel(13), K::Label, L"日", 4080, 840, 375, 255, 0},
    };
    return kControls;
}

std::wstring TwinText(Action action, std::wstring_view shutdownText) {
    const std::wstring_view from = ActionWord(Action::Shutdown);
    const std::wstring_view to = ActionWord(action);
    std::wstring result(shutdownText);
    for (std::size_t at = result.find(from); at != std::wstring::npos; at = result.find(from, at + to.size())) {
        result.replace(at, from.size(), to);
    }
    return result;
}

std::wstring DialogCaption(Action action) {
    return TwinText(action, L"定时关机 - 设置");
}
