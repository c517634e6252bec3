#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "TestDataPath.h"
#include "about/AboutActions.h"
#include "about/MakerAddresses.h"
#include "fakes/FakeShell.h"

namespace {

const HWND kBox = reinterpret_cast<HWND>(0x1234);

}  // namespace

TEST(AboutLabels, OwnFileShowsDescriptionVersionAndCopyright) {
    const AboutLabels labels = AboutLabelsFor(TestProgramPath());
    EXPECT_EQ(labels.description, L"Pixmode Display Resolution Switching Application");
    ASSERT_TRUE(labels.version.has_value());
    EXPECT_EQ(*labels.version, L"2.7.0.0");
    EXPECT_EQ(labels.copyright, L"Copyright \u00a9 2026 Tallowin. All rights reserved.");
}

TEST(AboutLabels, MissingPartsLeaveTheVersionAloneAndTheTextsEmpty) {
    const struct {
        const wchar_t* file;
        const wchar_t* description;
    } cases[] = {
        {L"no_version.dll", L""},
        {L"no_fixed_info.dll", L"No fixed part"},
    };
    for (const auto& c : cases) {
        const AboutLabels labels = AboutLabelsFor(TestDataPath(c.file));
        EXPECT_EQ(labels.description, c.description) << c.file;
        EXPECT_FALSE(labels.version.has_value()) << c.file;
        EXPECT_EQ(labels.copyright, L"") << c.file;
    }
}

TEST(AboutLabels, VersionLabelShowsAllFourNumbersInDecimal) {
    FixedVersionInfo fixed;
    fixed.found = true;
    fixed.info.dwFileVersionMS = 0xFFFF000A;
    fixed.info.dwFileVersionLS = 0x00640000;
    EXPECT_EQ(VersionLabelText(fixed).value_or(L"none"), L"65535.10.100.0");
    fixed.found = false;
    EXPECT_FALSE(VersionLabelText(fixed).has_value());
}

TEST(AboutMailto, SubjectIsInternalNameAndVersionUnencoded) {
    FixedVersionInfo fixed;
    fixed.found = true;
    fixed.info.dwFileVersionMS = 0x00020007;
    EXPECT_EQ(SupportMailto(fixed, L"PIXMODE").value_or(L"none"),
              L"mailto:support@pixmode.example?subject=PIXMODE V2.7.0.0");
    fixed.info.dwFileVersionMS = 0x00010002;
    fixed.info.dwFileVersionLS = 0x00030004;
    EXPECT_EQ(SupportMailto(fixed, L"A & B?").value_or(L"none"),
              L"mailto:support@pixmode.example?subject=A & B? V1.2.3.4");
    fixed.found = false;
    EXPECT_FALSE(SupportMailto(fixed, L"PIXMODE").has_value());
}

TEST(AboutLinks, ClickAndReturnActByTheSender) {
    const struct {
        UINT_PTR sender;
        UINT code;
        AboutLink link;
    } cases[] = {
        {11, static_cast<UINT>(NM_CLICK), AboutLink::Email},
        {11, static_cast<UINT>(NM_RETURN), AboutLink::Email},
        {12, static_cast<UINT>(NM_CLICK), AboutLink::WebSite},
        {12, static_cast<UINT>(NM_RETURN), AboutLink::WebSite},
        {13, static_cast<UINT>(NM_CLICK), AboutLink::CheckForUpdates},
        {13, static_cast<UINT>(NM_RETURN), AboutLink::CheckForUpdates},
        // Other notifications of the links.
        {11, static_cast<UINT>(NM_DBLCLK), AboutLink::None},
        {12, static_cast<UINT>(NM_SETFOCUS), AboutLink::None},
        {13, static_cast<UINT>(NM_KILLFOCUS), AboutLink::None},
        {13, static_cast<UINT>(NM_RCLICK), AboutLink::None},
        // Other senders.
        {1, static_cast<UINT>(NM_CLICK), AboutLink::None},
        {14, static_cast<UINT>(NM_CLICK), AboutLink::None},
        {10, static_cast<UINT>(NM_RETURN), AboutLink::None},
        {0, static_cast<UINT>(NM_CLICK), AboutLink::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ActivatedLink(c.sender, c.code), c.link) << c.sender << " " << static_cast<int>(c.code);
    }
}

TEST(AboutLinks, EmailOpensTheMailtoAddressThroughTheShell) {
    FakeShell shell;
    ActOnAboutLink(AboutLink::Email, kBox, TestProgramPath(), shell);
    ASSERT_EQ(shell.requests.size(), 1u);
    const ShellRequest& request = shell.requests[0];
    EXPECT_FALSE(request.extended);
    EXPECT_EQ(request.owner, kBox);
    EXPECT_EQ(request.verb, L"");
    EXPECT_EQ(request.file, L"mailto:support@pixmode.example?subject=PIXMODE V2.7.0.0");
    EXPECT_EQ(request.parameters, L"");
    EXPECT_EQ(request.directory, L"");
    EXPECT_EQ(request.show, SW_SHOWNORMAL);
}

TEST(AboutLinks, WebSiteOpensTheHttpsHomePage) {
    FakeShell shell;
    ActOnAboutLink(AboutLink::WebSite, kBox, TestProgramPath(), shell);
    ASSERT_EQ(shell.requests.size(), 1u);
    const ShellRequest& request = shell.requests[0];
    EXPECT_FALSE(request.extended);
    EXPECT_EQ(request.owner, kBox);
    EXPECT_EQ(request.verb, L"");
    EXPECT_EQ(request.file, L"https://www.pixmode.example/");
    EXPECT_EQ(request.file.rfind(L"https://", 0), 0u);
    EXPECT_EQ(request.parameters, L"");
    EXPECT_EQ(request.show, SW_SHOWNORMAL);
}

TEST(AboutLinks, CheckForUpdatesStartsTheUpdaterByHand) {
    FakeShell shell;
    ActOnAboutLink(AboutLink::CheckForUpdates, nullptr, TestProgramPath(), shell);
    ActOnAboutLink(AboutLink::CheckForUpdates, nullptr, TestProgramPath(), shell);
    ASSERT_EQ(shell.requests.size(), 2u);
    for (const ShellRequest& request : shell.requests) {
        EXPECT_TRUE(request.extended);
        EXPECT_EQ(request.file, FolderWithSeparator(TestProgramPath()) + L"Marrowick.exe");
        EXPECT_EQ(request.parameters, TestProgramPath() + L" 0 562980018192384 0");
    }
}

TEST(AboutLinks, WithoutFixedInformationOnlyTheEmailLinkIsSilent) {
    const std::wstring path = TestDataPath(L"no_fixed_info.dll");
    FakeShell shell;
    ActOnAboutLink(AboutLink::Email, kBox, path, shell);
    EXPECT_TRUE(shell.requests.empty());
    ActOnAboutLink(AboutLink::WebSite, kBox, path, shell);
    ActOnAboutLink(AboutLink::CheckForUpdates, nullptr, path, shell);
    ASSERT_EQ(shell.requests.size(), 2u);
    EXPECT_EQ(shell.requests[0].file, kHomePageAddress);
    EXPECT_EQ(shell.requests[1].parameters, path + L" 0 0 0");
}
