#include <gtest/gtest.h>

#include "TestDataPath.h"
#include "about/Updater.h"
#include "fakes/FakeShell.h"
#include "fakes/WindowProbe.h"

TEST(UpdaterLaunch, UpdaterSitsInTheProgramFolder) {
    const struct {
        const wchar_t* program;
        const wchar_t* updater;
    } cases[] = {
        {L"C:\\Program Files\\Pixmode\\pixmode.exe", L"C:\\Program Files\\Pixmode\\Marrowick.exe"},
        {L"C:\\pixmode.exe", L"C:\\Marrowick.exe"},
        {L"\\\\server\\share\\tools\\PIXMODE.EXE", L"\\\\server\\share\\tools\\Marrowick.exe"},
        {L"pixmode.exe", L"Marrowick.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(UpdaterPath(c.program), c.updater) << c.program;
}

TEST(UpdaterLaunch, ParametersArePathZeroSignedVersionAndFlag) {
    const struct {
        const wchar_t* program;
        long long version;
        bool automatic;
        const wchar_t* text;
    } cases[] = {
        {L"C:\\Pixmode\\pixmode.exe", 562980018192384, true, L"C:\\Pixmode\\pixmode.exe 0 562980018192384 1"},
        {L"C:\\Program Files\\My Tools\\pixmode.exe", 562980018192384, false,
         L"C:\\Program Files\\My Tools\\pixmode.exe 0 562980018192384 0"},
        {L"C:\\p.exe", 0, true, L"C:\\p.exe 0 0 1"},
        // Versions from 32768.0.0.0 up are negative as signed numbers.
        {L"C:\\p.exe", static_cast<long long>(0xFFFF000000000001ull), false, L"C:\\p.exe 0 -281474976710655 0"},
    };
    for (const auto& c : cases) EXPECT_EQ(UpdaterParameters(c.program, c.version, c.automatic), c.text);
}

TEST(UpdaterLaunch, RequestWithoutOwnerNamesNoMonitor) {
    FakeShell shell;
    LaunchUpdaterWith(shell, nullptr, true, L"C:\\Program Files\\Pixmode\\pixmode.exe", 562980018192384);
    ASSERT_EQ(shell.requests.size(), 1u);
    const ShellRequest& request = shell.requests[0];
    EXPECT_TRUE(request.extended);
    EXPECT_EQ(request.mask, static_cast<ULONG>(SEE_MASK_UNICODE));
    EXPECT_EQ(request.owner, nullptr);
    EXPECT_EQ(request.monitor, nullptr);
    EXPECT_EQ(request.verb, L"");
    EXPECT_EQ(request.file, L"C:\\Program Files\\Pixmode\\Marrowick.exe");
    EXPECT_EQ(request.parameters, L"C:\\Program Files\\Pixmode\\pixmode.exe 0 562980018192384 1");
    EXPECT_EQ(request.directory, L"");
    EXPECT_EQ(request.show, SW_SHOWNORMAL);
}

TEST(UpdaterLaunch, LongProgramPathReachesTheUpdaterWhole) {
    // 240 characters: longer than what a 200-character parameter text could hold.
    std::wstring program = L"C:\\";
    while (program.size() < 228) program += L"deep folder\\";
    program += L"pixmode.exe";
    ASSERT_GT(program.size(), 179u);
    FakeShell shell;
    LaunchUpdaterWith(shell, nullptr, false, program, 562980018192384);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].parameters, program + L" 0 562980018192384 0");
    EXPECT_EQ(shell.requests[0].file, program.substr(0, program.size() - 11) + L"Marrowick.exe");
}

TEST(UpdaterLaunch, VersionIsReadFromTheProgramFile) {
    // The test program links the program's own resources, so it carries version 2.7.0.0.
    const struct {
        std::wstring program;
        const wchar_t* version;
    } cases[] = {
        {TestProgramPath(), L"562980018192384"},    {TestDataPath(L"all_keys.dll"), L"844485070120871"},
        {TestDataPath(L"no_fixed_info.dll"), L"0"}, {TestDataPath(L"no_version.dll"), L"0"},
        {TestDataPath(L"missing.exe"), L"0"},
    };
    for (const auto& c : cases) {
        FakeShell shell;
        LaunchUpdaterFor(shell, nullptr, true, c.program);
        ASSERT_EQ(shell.requests.size(), 1u);
        EXPECT_EQ(shell.requests[0].parameters, c.program + L" 0 " + c.version + L" 1");
        EXPECT_EQ(shell.requests[0].file, FolderWithSeparator(c.program) + L"Marrowick.exe");
    }
}

TEST(UpdaterLaunch, OwnerWindowAddsItsMonitor) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    SKIP_WITHOUT_WINDOW(owner != nullptr);
    FakeShell shell;
    LaunchUpdaterWith(shell, owner, false, L"C:\\Pixmode\\pixmode.exe", 0);
    const HMONITOR expected = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
    DestroyWindow(owner);
    ASSERT_EQ(shell.requests.size(), 1u);
    const ShellRequest& request = shell.requests[0];
    EXPECT_EQ(request.owner, owner);
    EXPECT_EQ(request.mask, static_cast<ULONG>(SEE_MASK_UNICODE | SEE_MASK_HMONITOR));
    EXPECT_NE(request.monitor, nullptr);
    EXPECT_EQ(request.monitor, expected);
    EXPECT_EQ(request.mask & SEE_MASK_FLAG_NO_UI, 0u);
    EXPECT_EQ(request.parameters, L"C:\\Pixmode\\pixmode.exe 0 0 0");
}
