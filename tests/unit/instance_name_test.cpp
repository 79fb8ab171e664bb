#include "app/instance_name.h"

#include <gtest/gtest.h>

namespace {

TEST(InstanceName, SameFileSameNameOtherFileOtherName) {
    const std::wstring name = InstanceMutexName(L"D:\\Tools\\定时关机.exe");
    EXPECT_EQ(name, InstanceMutexName(L"D:\\Tools\\定时关机.exe"));
    EXPECT_EQ(name, InstanceMutexName(L"d:\\TOOLS\\定时关机.EXE"));
    EXPECT_NE(name, InstanceMutexName(L"D:\\Tools2\\定时关机.exe"));
    EXPECT_NE(name, InstanceMutexName(L"D:\\Tools\\定时开机.exe"));
    EXPECT_NE(name, InstanceMutexName(L"E:\\Tools\\定时关机.exe"));
}

TEST(InstanceName, IsAValidSessionLocalObjectName) {
    const std::wstring longPath = L"C:\\" + std::wstring(600, L'目') + L"\\timer.exe";
    for (const std::wstring& path : {std::wstring(L"C:\\timer.exe"), longPath}) {
        const std::wstring name = InstanceMutexName(path);
        const std::wstring prefix = L"Local\\";
        ASSERT_EQ(name.compare(0, prefix.size(), prefix), 0) << "session namespace";
        EXPECT_EQ(name.find(L'\\', prefix.size()), std::wstring::npos) << "no separator after the namespace";
        EXPECT_LT(name.size(), 260u);
    }
}

}  // namespace
