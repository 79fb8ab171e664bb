#include "platform/program_path.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "platform/host/control.h"
#endif

namespace {

#ifdef _WIN32
TEST(ProgramPath, FolderAndBaseNameMakeUpThePath) {
    EXPECT_EQ(platform::ProgramFolder() + L"\\" + platform::ProgramBaseName() + L".exe", platform::ProgramPath());
}
#else
// A drive root keeps its separator; the extension goes, whatever its case.
TEST(ProgramPathHostOnly, FolderAndBaseNameOfTheExecutable) {
    const struct {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* baseName;
    } cases[] = {
        {L"D:\\工具.v2\\定时关机.EXE", L"D:\\工具.v2", L"定时关机"},
        {L"C:\\timer.exe", L"C:\\", L"timer"},
    };
    for (const auto& c : cases) {
        hostenv::SetModulePath(c.path);
        EXPECT_EQ(platform::ProgramPath(), c.path);
        EXPECT_EQ(platform::ProgramFolder(), c.folder);
        EXPECT_EQ(platform::ProgramBaseName(), c.baseName);
    }
}
#endif

}  // namespace
