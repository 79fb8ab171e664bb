#include "app/instance_name.h"

#include <gtest/gtest.h>

namespace {

TEST(InstanceName, SameFileSameValidNameOtherFileOtherName) {
    const std::wstring name = InstanceMutexName(L"D:\\Zeit\\Apps\\定时关机.exe");
    EXPECT_EQ(name, InstanceMutexName(L"d:\\zEIT\\aPPS\\定时关机.EXE"));
    for (const wchar_t* other :
         {L"D:\\Zeit\\Apps2\\定时关机.exe", L"D:\\Zeit\\Apps\\定时开机.exe", L"E:\\Zeit\\Apps\\定时关机.exe"}) {
        EXPECT_NE(name, InstanceMutexName(other)) << other;
    }
    // A kernel object name holds no separator after its namespace.
    EXPECT_EQ(name.rfind(L"Local\\", 0), 0u);
    EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos);
}

}  // namespace
