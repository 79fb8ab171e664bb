#include "app/instance_name.h"

#include <gtest/gtest.h>

namespace {

TEST(InstanceName, SameFileSameNameOtherFileOtherName) {
    const std::wstring name = InstanceMutexName(L"D:\\Zeit\\Apps\\定时关机.exe");
    EXPECT_EQ(name, InstanceMutexName(L"d:\\zEIT\\aPPS\\定时关机.EXE"));
    for (const wchar_t* other :
         {L"D:\\Zeit\\Apps2\\定时关机.exe", L"D:\\Zeit\\Apps\\定时开机.exe", L"E:\\Zeit\\Apps\\定时关机.exe"}) {
        EXPECT_NE(name, InstanceMutexName(other)) << other;
    }
}

TEST(InstanceName, IsAValidSessionLocalObjectName) {
    for (const std::wstring& path : {std::wstring(L"C:\\timer.exe"), L"C:\\" + std::wstring(600, L'目') + L"\\t.exe"}) {
        const std::wstring name = InstanceMutexName(path);
        ASSERT_EQ(name.rfind(L"Local\\", 0), 0u);
        EXPECT_EQ(name.find(L'\\', 6), std::wstring::npos) << "no separator after the namespace";
        EXPECT_LT(name.size(), 260u);
    }
}

}  // namespace
