#include <gtest/gtest.h>

#include "TemporaryFolder.h"
#include "TestDataPath.h"
#include "framework/ModulePath.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"

TEST(ModuleFileName, OwnProgramIsAFullPath) {
    const std::wstring path = ModuleFileName(nullptr);
    ASSERT_GT(path.size(), 20u);
    EXPECT_EQ(path.substr(path.size() - 18), L"\\pixmode_tests.exe");
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(ModuleFileName, NameLongerThanMaxPathIsNotCut) {
    TemporaryFolder folder(L"pixmode module name", 2 * MAX_PATH, L"a folder with a rather long name for the test");
    const std::wstring copy = folder.Copy(TestDataPath(L"all_keys.dll"), L"long path.dll");
    ASSERT_FALSE(copy.empty());
    const ScopedHandle<LibraryCloser> module(LoadLibraryW(TemporaryFolder::Long(copy).c_str()));
    if (module.Get() == nullptr) GTEST_SKIP() << "the platform does not load modules from paths this long";
    const std::wstring name = ModuleFileName(module.Get());
    EXPECT_GT(name.size(), static_cast<size_t>(2 * MAX_PATH) - 4);
    EXPECT_EQ(name.substr(name.size() - 14), L"\\long path.dll");
}

TEST(ModuleFileName, AppInstanceIsTheRunningProgram) {
    std::wstring path = ModuleFileName(AppInstance());
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), L".exe");
    EXPECT_NE(path.find(L'\\'), std::wstring::npos);
}

TEST(ModuleFileName, UnknownModuleHasNoName) { EXPECT_EQ(ModuleFileName(reinterpret_cast<HMODULE>(0x10)), L""); }

TEST(ModuleFileName, FolderKeepsItsSeparator) {
    const struct {
        const wchar_t* path;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\Program Files\\Pixmode\\pixmode.exe", L"C:\\Program Files\\Pixmode\\"},
        {L"C:\\pixmode.exe", L"C:\\"},
        {L"C:/tools/pixmode.exe", L"C:/tools/"},
        {L"pixmode.exe", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(FolderWithSeparator(c.path), c.folder) << c.path;
}

TEST(JoinPath, PutsExactlyOneBackslashBetween) {
    const struct {
        std::wstring folder, name, expected;
    } cases[] = {
        {L"C:\\Users\\me\\Desktop", L"x.lnk", L"C:\\Users\\me\\Desktop\\x.lnk"},
        {L"C:\\Users\\me\\Desktop\\", L"x.lnk", L"C:\\Users\\me\\Desktop\\x.lnk"},
        {L"C:\\Users\\me\\Desktop\\\\", L"\\x.lnk", L"C:\\Users\\me\\Desktop\\x.lnk"},
        {L"C:\\", L"x.lnk", L"C:\\x.lnk"},
        {L"", L"x.lnk", L"x.lnk"},
        {std::wstring(300, L'a'), L"x.lnk", std::wstring(300, L'a') + L"\\x.lnk"},
    };
    for (const auto& c : cases) EXPECT_EQ(JoinPath(c.folder, c.name), c.expected) << c.folder;
}
