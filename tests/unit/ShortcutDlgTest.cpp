#include <gtest/gtest.h>

#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/WindowProbe.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/CreateShortcut.h"
#include "shortcut/ShortcutDlg.h"

namespace {

class RecordingPlatform : public IShortcutPlatform {
public:
    std::optional<std::wstring> desktop = std::wstring(L"C:\\Users\\me\\Desktop");
    HRESULT result = S_OK;
    std::vector<std::wstring> arguments;
    std::vector<std::wstring> descriptions;
    std::vector<std::wstring> icons;

    std::optional<std::wstring> DesktopFolder() override { return desktop; }
    std::wstring OwnProgramPath() override { return L"C:\\Tools\\pixmode.exe"; }
    HRESULT WriteLink(const std::wstring&, const std::wstring& args, const std::wstring&,
                      const std::wstring& description, const std::wstring& icon) override {
        arguments.push_back(args);
        descriptions.push_back(description);
        icons.push_back(icon);
        return result;
    }
};

// The dialog, created without showing it, with scripted services.
struct OpenDialog {
    FakeMessageBox messages;
    FakeFileDialogs files;
    RecordingPlatform platform;
    CShortcutDlg dialog{messages, files, platform};

    explicit OpenDialog(const ShortcutSettings& settings) {
        dialog.m_settings = settings;
        EXPECT_TRUE(dialog.Create());
    }
    HWND Item(int id) const { return GetDlgItem(dialog.m_hWnd, id); }
    std::wstring Text(int id) const { return CWnd(Item(id)).GetWindowText(); }
    bool Shown(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Click(int id) {
        SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
};

ShortcutSettings Everything() {
    ShortcutSettings s;
    s.width = 1024;
    s.height = 768;
    s.bitsPerPixel = 16;
    s.frequency = 75;
    s.deviceNumber = 1;
    s.updateRegistry = true;
    return s;
}

// The dialog is created in-process, hidden; that needs a display.
class ShortcutDialog : public testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_WINDOW(CanCreateWindows()); }
};

}  // namespace

TEST_F(ShortcutDialog, ShowsTheHandedOverSettings) {
    OpenDialog open(Everything());
    ASSERT_NE(open.dialog.m_hWnd, nullptr);
    EXPECT_EQ(open.Text(IDC_SHORTCUT_RESOLUTION), FormatResString(IDS_SCREEN_AREA, {L"1024", L"768"}));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_COLOURS), L"65536");
    EXPECT_EQ(open.Text(IDC_SHORTCUT_FREQUENCY), L"75");
    EXPECT_TRUE(open.Shown(IDC_SHORTCUT_HZ));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_DEVICE_NUMBER), L"1");
    EXPECT_TRUE(open.Shown(IDC_SHORTCUT_MONITOR_LABEL));
    EXPECT_TRUE(open.Shown(IDC_SHORTCUT_REGISTRY_NOTE));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_EXPLANATION), LoadResString(IDS_SHORTCUT_EXPLANATION));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_PROGRAM), L"Browse and select a program");
    EXPECT_FALSE(IsWindowEnabled(open.Item(IDC_SHORTCUT_PROGRAM)));
    EXPECT_EQ(IsDlgButtonChecked(open.dialog.m_hWnd, IDC_ONLY_WHEN_MAXIMIZED), static_cast<UINT>(BST_UNCHECKED));
}

TEST_F(ShortcutDialog, HidesTheUnitsOfValuesNotGiven) {
    ShortcutSettings s;
    s.width = 800;
    s.height = 600;
    OpenDialog open(s);
    ASSERT_NE(open.dialog.m_hWnd, nullptr);
    EXPECT_EQ(open.Text(IDC_SHORTCUT_COLOURS), L"");
    EXPECT_EQ(open.Text(IDC_SHORTCUT_FREQUENCY), L"");
    EXPECT_FALSE(open.Shown(IDC_SHORTCUT_HZ));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_DEVICE_NUMBER), L"");
    EXPECT_FALSE(open.Shown(IDC_SHORTCUT_MONITOR_LABEL));
    EXPECT_FALSE(open.Shown(IDC_SHORTCUT_REGISTRY_NOTE));
}

TEST_F(ShortcutDialog, BrowseTakesAConfirmedProgramAndIgnoresACancel) {
    OpenDialog open(Everything());
    ASSERT_NE(open.dialog.m_hWnd, nullptr);
    open.files.answers = {std::nullopt, std::wstring(L"C:\\Program Files\\Game\\game.exe")};
    open.Click(IDC_BROWSE);
    ASSERT_EQ(open.files.shown.size(), 1u);
    EXPECT_EQ(open.files.shown[0].owner, open.dialog.m_hWnd);
    EXPECT_EQ(open.files.shown[0].request.title, LoadResString(IDS_SHORTCUT_BROWSE_TITLE));
    EXPECT_FALSE(IsWindowEnabled(open.Item(IDC_SHORTCUT_PROGRAM)));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_PROGRAM), L"Browse and select a program");

    open.Click(IDC_BROWSE);
    EXPECT_TRUE(IsWindowEnabled(open.Item(IDC_SHORTCUT_PROGRAM)));
    EXPECT_EQ(open.Text(IDC_SHORTCUT_PROGRAM), L"C:\\Program Files\\Game\\game.exe");
    EXPECT_EQ(open.dialog.m_settings.programPath, L"C:\\Program Files\\Game\\game.exe");
}

TEST_F(ShortcutDialog, CreateWritesTheLinkWithTheCheckBoxAndCloses) {
    OpenDialog open(Everything());
    ASSERT_NE(open.dialog.m_hWnd, nullptr);
    open.files.answers = {std::wstring(L"C:\\Games\\a b.exe")};
    open.Click(IDC_BROWSE);
    CheckDlgButton(open.dialog.m_hWnd, IDC_ONLY_WHEN_MAXIMIZED, BST_CHECKED);
    open.Click(IDOK);
    ASSERT_EQ(open.platform.arguments.size(), 1u);
    EXPECT_EQ(open.platform.arguments[0], L" -H1024 -V768 -C65536 -F75 -M1 -U -R \"-X\\\"C:\\Games\\a b.exe\\\"\"");
    EXPECT_EQ(open.platform.descriptions[0],
              FormatResString(IDS_SHORTCUT_DESCRIPTION, {L"C:\\Games\\a b.exe", L"1024", L"768"}));
    EXPECT_EQ(open.platform.icons[0], L"C:\\Games\\a b.exe");
    EXPECT_TRUE(open.messages.shown.empty());
    EXPECT_EQ(open.dialog.m_hWnd, nullptr);
}

TEST_F(ShortcutDialog, AFailedCreateShowsTheReasonAndStaysOpen) {
    OpenDialog open(Everything());
    ASSERT_NE(open.dialog.m_hWnd, nullptr);
    open.platform.result = static_cast<HRESULT>(0x80040205);
    open.Click(IDOK);
    ASSERT_EQ(open.messages.shown.size(), 1u);
    EXPECT_EQ(open.messages.shown[0].text,
              FormatResString(IDS_SHORTCUT_SAVE_FAILED, {FormatResString(IDS_IDISPATCH_ERROR, {L"5"})}));
    ASSERT_NE(open.dialog.m_hWnd, nullptr);
    EXPECT_EQ(open.platform.arguments[0], L" -H1024 -V768 -C65536 -F75 -M1 -U");

    open.platform.desktop.reset();
    open.Click(IDOK);
    EXPECT_EQ(open.platform.arguments.size(), 1u);
    EXPECT_EQ(open.messages.shown.size(), 1u);
    EXPECT_NE(open.dialog.m_hWnd, nullptr);

    open.Click(IDCANCEL);
    EXPECT_EQ(open.dialog.m_hWnd, nullptr);
    EXPECT_EQ(open.platform.arguments.size(), 1u);
}
