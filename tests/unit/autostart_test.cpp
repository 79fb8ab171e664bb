#include "app/autostart_box.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace {

// The box and the Run value, each change of the value logged.
struct Box : AutostartBox {
    int Value() const override { return value; }
    void SetValue(int newValue) override { value = newValue; }
    std::wstring ReadRunValue() override { return runValue.value_or(L""); }
    bool WriteRunValue(const std::wstring& command) override {
        log += L"write ";
        runValue = refused ? runValue : command;
        return !refused;
    }
    bool DeleteRunValue() override {
        log += L"delete ";
        runValue.reset();
        return true;
    }
    int value = 0;
    std::optional<std::wstring> runValue;
    bool refused = false;
    std::wstring log;
};

const std::wstring kMine = L"D:\\Tools\\定时\\定时关机.exe /s";

TEST(AutostartBox, StartUpTicksTheBoxForThisCopysCommandAndWritesOnlyThen) {
    // The Run value at start; the box after start-up, the value then, what was done to it.
    const std::tuple<std::optional<std::wstring>, int, std::optional<std::wstring>, std::wstring> cases[] = {
        {std::nullopt, 0, std::nullopt, L""},
        {kMine, 1, kMine, L"write "},
        {L"F:\\theirs\\定时关机.exe /s", 0, L"F:\\theirs\\定时关机.exe /s", L""},
        {L"d:\\tools\\定时\\定时关机.exe /s", 0, L"d:\\tools\\定时\\定时关机.exe /s", L""},
        {kMine + std::wstring(1, L'\0') + L"junk", 1, kMine, L"write "},
    };
    for (const auto& [before, ticked, after, log] : cases) {
        Box box;
        box.runValue = before;
        autostart::SetFromRegistry(box, kMine);
        EXPECT_EQ(std::tuple(box.value, box.runValue, box.log), std::tuple(ticked, after, log));
    }
}

// Any value but 1 deletes; a write the system refuses leaves the box as the user set it.
TEST(AutostartBox, TheBoxWritesOrDeletesAndIgnoresTheAnswer) {
    Box box;
    for (const int value : {1, 2, 0}) {
        box.value = value;
        autostart::Check1_Click(box, kMine);
    }
    box.refused = true;
    box.value = 1;
    autostart::Check1_Click(box, kMine);
    EXPECT_EQ(std::tuple(box.value, box.runValue, box.log), std::tuple(1, std::nullopt, L"write delete delete write "));
    EXPECT_EQ(autostart::Command(L"D:\\Tools\\定时", L"定时关机"), kMine);
    EXPECT_EQ(autostart::Command(L"C:\\", L"定时关机"), L"C:\\定时关机.exe /s");
}

}  // namespace
