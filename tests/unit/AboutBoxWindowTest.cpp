// The about box's template and initialisation on a real window; needs a display.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "about/AboutActions.h"
#include "about/AboutBox.h"
#include "fakes/WindowProbe.h"
#include "res/resource.h"

namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

class AboutBoxWindow : public testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        m_context.module = GetModuleHandleW(nullptr);
        // Modeless, so the test can look at it; same template and procedure as the modal box.
        m_hBox = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), nullptr, AboutDlgProc,
                                    reinterpret_cast<LPARAM>(&m_context));
        SKIP_WITHOUT_WINDOW(m_hBox != nullptr);
    }
    void TearDown() override {
        if (m_hBox != nullptr) DestroyWindow(m_hBox);
    }

    AboutContext m_context{};
    HWND m_hBox = nullptr;
};

}  // namespace

TEST_F(AboutBoxWindow, LabelsShowTheProgramsVersionResource) {
    EXPECT_EQ(TextOf(m_hBox), L"About");
    EXPECT_EQ(TextOf(GetDlgItem(m_hBox, IDC_ABOUT_DESCRIPTION)), L"Pixmode Display Resolution Switching Application");
    EXPECT_EQ(TextOf(GetDlgItem(m_hBox, IDC_ABOUT_VERSION)), L"2.7.0.0");
    EXPECT_EQ(TextOf(GetDlgItem(m_hBox, IDC_ABOUT_COPYRIGHT)), L"Copyright \u00a9 2026 Tallowin. All rights reserved.");
    EXPECT_EQ(reinterpret_cast<const AboutContext*>(GetWindowLongPtrW(m_hBox, GWLP_USERDATA)), &m_context);
}

TEST_F(AboutBoxWindow, ControlsComeInTemplateOrder) {
    const struct {
        int id;
        const wchar_t* className;
        const wchar_t* text;
    } expected[] = {
        // The icon control's text is the ordinal of its icon resource, 128.
        {-1, L"Static", L"\xFFFF\x0080"},
        {IDC_ABOUT_DESCRIPTION, L"Static", nullptr},
        {-1, L"Static", L"Version"},
        {IDC_ABOUT_VERSION, L"Static", nullptr},
        {IDC_ABOUT_COPYRIGHT, L"Static", nullptr},
        {IDOK, L"Button", L"OK"},
        {IDC_ABOUT_EMAIL, L"SysLink", L"<a>Email</a>"},
        {IDC_ABOUT_UPDATES, L"SysLink", L"<a>Check for Updates</a>"},
        {IDC_ABOUT_WEB, L"SysLink", L"<a>Web Site</a>"},
    };
    std::vector<HWND> children;
    for (HWND child = GetWindow(m_hBox, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    ASSERT_EQ(children.size(), std::size(expected));
    for (size_t index = 0; index < children.size(); ++index) {
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(children[index]))), expected[index].id) << index;
        EXPECT_EQ(ClassOf(children[index]), expected[index].className) << index;
        if (expected[index].text != nullptr) {
            EXPECT_EQ(TextOf(children[index]), expected[index].text) << index;
        }
    }
    EXPECT_NE(GetWindowLongW(children[0], GWL_STYLE) & SS_ICON, 0);
    EXPECT_NE(GetWindowLongW(children[5], GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
}

TEST_F(AboutBoxWindow, OtherCommandsAndNotificationsAreNotHandled) {
    EXPECT_EQ(AboutDlgProc(m_hBox, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_VERSION, STN_CLICKED), 0), FALSE);
    NMHDR focus{GetDlgItem(m_hBox, IDC_ABOUT_EMAIL), IDC_ABOUT_EMAIL, static_cast<UINT>(NM_SETFOCUS)};
    EXPECT_EQ(AboutDlgProc(m_hBox, WM_NOTIFY, IDC_ABOUT_EMAIL, reinterpret_cast<LPARAM>(&focus)), FALSE);
    EXPECT_EQ(AboutDlgProc(m_hBox, WM_TIMER, 1, 0), FALSE);
    EXPECT_TRUE(IsWindowVisible(m_hBox));
}

TEST_F(AboutBoxWindow, CancelEndsTheBox) {
    EXPECT_EQ(AboutDlgProc(m_hBox, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0), TRUE);
    // A modeless box that is ended is hidden rather than destroyed.
    EXPECT_FALSE(IsWindowVisible(m_hBox));
}
