#include <gtest/gtest.h>

#include "fakes/FakeMessageBox.h"
#include "fakes/FakeShortcutPlatform.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/CreateShortcut.h"
#include "shortcut/LinkErrorText.h"

namespace {

ShortcutSettings Settings() {
    ShortcutSettings s;
    s.programPath = L"C:\\Program Files\\Game\\game.exe";
    s.width = 1024;
    s.height = 768;
    s.bitsPerPixel = 16;
    s.deviceNumber = 1;
    return s;
}

}  // namespace

TEST(CreateShortcut, WritesTheLinkOnTheDesktopAndCloses) {
    FakeShortcutPlatform platform;
    FakeMessageBox boxes;
    ShortcutSettings settings = Settings();
    EXPECT_TRUE(CreateShortcut(settings, true, platform, boxes));
    ASSERT_EQ(platform.written.size(), 1u);
    const WrittenLink& link = platform.written[0];
    EXPECT_EQ(link.target, L"C:\\Tools\\pixmode.exe");
    EXPECT_EQ(link.arguments, L" -H1024 -V768 -C65536 -M1 -R \"-X\\\"C:\\Program Files\\Game\\game.exe\\\"\"");
    EXPECT_EQ(link.linkFile, L"C:\\Users\\me\\Desktop\\" + LoadResString(IDS_SHORTCUT_FILE_NAME));
    EXPECT_EQ(link.description,
              FormatResString(IDS_SHORTCUT_DESCRIPTION, {L"C:\\Program Files\\Game\\game.exe", L"1024", L"768"}));
    EXPECT_EQ(link.iconFile, L"C:\\Program Files\\Game\\game.exe");
    EXPECT_TRUE(settings.onlyWhenMaximized);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(CreateShortcut, TheCheckBoxDecidesTheMaximizedOptionEachTime) {
    FakeShortcutPlatform platform;
    FakeMessageBox boxes;
    ShortcutSettings settings = Settings();
    settings.onlyWhenMaximized = true;
    EXPECT_TRUE(CreateShortcut(settings, false, platform, boxes));
    EXPECT_FALSE(settings.onlyWhenMaximized);
    ASSERT_EQ(platform.written.size(), 1u);
    EXPECT_EQ(platform.written[0].arguments.find(L"-R"), std::wstring::npos);
}

TEST(CreateShortcut, WithoutAProgramTheCommentHasTwoBlanksAndNoIcon) {
    FakeShortcutPlatform platform;
    FakeMessageBox boxes;
    ShortcutSettings settings;
    settings.width = 800;
    settings.height = 600;
    EXPECT_TRUE(CreateShortcut(settings, false, platform, boxes));
    ASSERT_EQ(platform.written.size(), 1u);
    EXPECT_EQ(platform.written[0].description, FormatResString(IDS_SHORTCUT_DESCRIPTION, {L"", L"800", L"600"}));
    EXPECT_EQ(platform.written[0].arguments, L" -H800 -V600");
    EXPECT_EQ(platform.written[0].iconFile, L"");
}

TEST(CreateShortcut, NoDesktopFolderWritesNothingSaysNothingAndStaysOpen) {
    const std::optional<std::wstring> folders[] = {std::nullopt, std::wstring()};
    for (const auto& folder : folders) {
        FakeShortcutPlatform platform;
        platform.desktop = folder;
        FakeMessageBox boxes;
        ShortcutSettings settings = Settings();
        EXPECT_FALSE(CreateShortcut(settings, false, platform, boxes));
        EXPECT_TRUE(platform.written.empty());
        EXPECT_TRUE(boxes.shown.empty());
    }
}

TEST(CreateShortcut, AFailedWriteShowsTheReasonAndStaysOpen) {
    const HRESULT failures[] = {E_ACCESSDENIED, static_cast<HRESULT>(0x80040205), static_cast<HRESULT>(0x12345678),
                                S_FALSE};
    for (HRESULT failure : failures) {
        FakeShortcutPlatform platform;
        platform.writeResult = failure;
        FakeMessageBox boxes;
        ShortcutSettings settings = Settings();
        EXPECT_FALSE(CreateShortcut(settings, false, platform, boxes)) << failure;
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, ShortcutFailureMessage(failure));
        EXPECT_FALSE(boxes.shown[0].plain);
        EXPECT_EQ(FrameworkBoxStyle(boxes.shown[0].type), static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(settings.programPath, L"C:\\Program Files\\Game\\game.exe");
    }
    FakeShortcutPlatform platform;
    platform.writeResult = static_cast<HRESULT>(0x12345678);
    FakeMessageBox boxes;
    ShortcutSettings settings = Settings();
    CreateShortcut(settings, false, platform, boxes);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              FormatResString(IDS_SHORTCUT_SAVE_FAILED, {FormatResString(IDS_UNKNOWN_ERROR, {L"12345678"})}));
}

TEST(ShortcutDescription, FillsThePathTheWidthAndTheHeightInTurn) {
    ShortcutSettings settings;
    settings.programPath = L"C:\\100%done\\%s %u.exe";
    settings.width = 640;
    settings.height = 480;
    EXPECT_EQ(ShortcutDescription(settings),
              FormatResString(IDS_SHORTCUT_DESCRIPTION, {L"C:\\100%done\\%s %u.exe", L"640", L"480"}));
}

TEST(Win32ShortcutPlatform, FindsTheDesktopAndThisProgram) {
    Win32ShortcutPlatform platform;
    const std::optional<std::wstring> desktop = platform.DesktopFolder();
    ASSERT_TRUE(desktop.has_value());
    EXPECT_FALSE(desktop->empty());
    EXPECT_EQ(GetFileAttributesW(desktop->c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    const std::wstring own = platform.OwnProgramPath();
    wchar_t expected[1024] = {};
    ASSERT_GT(GetModuleFileNameW(nullptr, expected, 1024), 0u);
    EXPECT_EQ(own, expected);
    EXPECT_EQ(_wcsicmp(own.substr(own.size() - 17).c_str(), L"pixmode_tests.exe"), 0) << own;
}
