// The framework's dialog over a real template (needs an X display under Wine).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "fakes/WindowProbe.h"
#include "res/resource.h"

namespace {
// Template 102 without any of the main dialog's behaviour.
class CPlainDlg : public CDialog {
public:
    explicit CPlainDlg(HWND parent = nullptr) : CDialog(IDD_PIXMODE, parent) {}
    UINT postOnInit = 0;  // a command to post to itself once initialised
    bool throwOnInit = false;
    int initialised = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ++initialised;
        if (throwOnInit) throw std::runtime_error("initialisation failed");
        if (postOnInit != 0) PostMessage(WM_COMMAND, MAKEWPARAM(postOnInit, BN_CLICKED), 0);
        return TRUE;
    }
};

class DialogFramework : public ::testing::Test {
protected:
    CWinApp app;
    HWND mainWindow = nullptr;

    void SetUp() override {
        SKIP_WITHOUT_WINDOW(CanCreateWindows());
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        mainWindow = CreateWindowExW(0, L"STATIC", L"main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        if (mainWindow != nullptr) DestroyWindow(mainWindow);
    }
};
}  // namespace

TEST_F(DialogFramework, WithoutParentTheMainWindowOwnsTheDialog) {
    app.m_hMainWnd = mainWindow;
    CPlainDlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(GetWindow(dialog.m_hWnd, GW_OWNER), mainWindow);
    EXPECT_EQ(dialog.initialised, 1);
    // Only a dialog marked as the main window replaces it.
    EXPECT_EQ(app.m_hMainWnd, mainWindow);
}

TEST_F(DialogFramework, AnExplicitParentOwnsTheDialog) {
    app.m_hMainWnd = mainWindow;
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    CPlainDlg dialog(other);
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(GetWindow(dialog.m_hWnd, GW_OWNER), other);
    DestroyWindow(dialog.m_hWnd);
    DestroyWindow(other);
}

TEST_F(DialogFramework, ModalEndingsGiveTheirResults) {
    const struct {
        UINT command;
        INT_PTR result;
    } cases[] = {{IDOK, IDOK}, {IDCANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        CPlainDlg dialog;
        dialog.postOnInit = c.command;
        EXPECT_EQ(dialog.DoModal(), c.result);
        EXPECT_EQ(dialog.m_hWnd, nullptr);
    }
}

TEST_F(DialogFramework, TheMainWindowRoleLastsAsLongAsTheWindow) {
    CPlainDlg dialog;
    dialog.SetAsMainWindow();
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(app.m_hMainWnd, dialog.m_hWnd);
    dialog.EndDialog(IDCANCEL);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(app.m_hMainWnd, nullptr);
}

TEST_F(DialogFramework, AnExceptionInAHandlerStaysInsideTheDialog) {
    CPlainDlg dialog;
    dialog.throwOnInit = true;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.initialised, 1);
    EXPECT_NE(dialog.m_hWnd, nullptr);
}
