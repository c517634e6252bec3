#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include "framework/FileDialog.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/ShortcutDialogRules.h"

TEST(ShortcutLabelsFor, FillsEveryLabelFromGivenValues) {
    ShortcutSettings s;
    s.width = 768;
    s.height = 1024;
    s.bitsPerPixel = 32;
    s.frequency = 75;
    s.deviceNumber = 0;
    s.updateRegistry = true;
    const ShortcutLabels labels = ShortcutLabelsFor(s);
    EXPECT_EQ(labels.resolution, FormatResString(IDS_SCREEN_AREA, {L"768", L"1024"}));
    EXPECT_EQ(labels.colourCount, L"4294967296");
    EXPECT_EQ(labels.frequency, L"75");
    EXPECT_TRUE(labels.showHz);
    EXPECT_EQ(labels.deviceNumber, L"0");
    EXPECT_TRUE(labels.showMonitor);
    EXPECT_TRUE(labels.showRegistryNote);
    EXPECT_EQ(labels.explanation, LoadResString(IDS_SHORTCUT_EXPLANATION));
}

TEST(ShortcutLabelsFor, ValuesNotGivenEmptyTheirLabelsAndHideTheirUnits) {
    const ShortcutSettings fresh;
    const ShortcutLabels labels = ShortcutLabelsFor(fresh);
    EXPECT_EQ(labels.resolution, FormatResString(IDS_SCREEN_AREA, {L"0", L"0"}));
    EXPECT_EQ(labels.colourCount, L"");
    EXPECT_EQ(labels.frequency, L"");
    EXPECT_FALSE(labels.showHz);
    EXPECT_EQ(labels.deviceNumber, L"");
    EXPECT_FALSE(labels.showMonitor);
    EXPECT_FALSE(labels.showRegistryNote);

    ShortcutSettings odd;
    odd.deviceNumber = -5;
    odd.bitsPerPixel = 64;
    const ShortcutLabels oddLabels = ShortcutLabelsFor(odd);
    EXPECT_FALSE(oddLabels.showMonitor);
    EXPECT_EQ(oddLabels.deviceNumber, L"");
    EXPECT_EQ(oddLabels.colourCount, L"");
}

TEST(ProgramBrowseRequest, AsksForAProgramWithTwoFilters) {
    const FileDialogRequest request = ProgramBrowseRequest();
    EXPECT_EQ(request.title, LoadResString(IDS_SHORTCUT_BROWSE_TITLE));
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].first, LoadResString(IDS_FILTER_PROGRAMS));
    EXPECT_EQ(request.filters[0].second, L"*.exe");
    EXPECT_EQ(request.filters[1].first, LoadResString(IDS_FILTER_ALL_FILES));
    EXPECT_EQ(request.filters[1].second, L"*.*");
    EXPECT_EQ(request.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(request.defaultExtension, L"");
    EXPECT_EQ(request.fileName, L"");
    EXPECT_EQ(request.initialFolder, L"");
}

TEST(PlatformFilterList, EndsEachPartWithANullAndTheListWithAnother) {
    const std::wstring expected(L"Programs\0*.exe\0All Files\0*.*\0\0", 30);
    EXPECT_EQ(PlatformFilterList({{L"Programs", L"*.exe"}, {L"All Files", L"*.*"}}), expected);
    EXPECT_EQ(PlatformFilterList({}), std::wstring(1, L'\0'));
}

TEST(TakeChosenProgram, AConfirmedChoiceReplacesThePathACancelChangesNothing) {
    ShortcutSettings s;
    s.programPath = L"C:\\old.exe";
    EXPECT_FALSE(TakeChosenProgram(s, std::nullopt));
    EXPECT_EQ(s.programPath, L"C:\\old.exe");
    EXPECT_TRUE(TakeChosenProgram(s, std::wstring(L"C:\\Program Files\\new one.exe")));
    EXPECT_EQ(s.programPath, L"C:\\Program Files\\new one.exe");
    EXPECT_FALSE(TakeChosenProgram(s, std::wstring()));
    EXPECT_EQ(s.programPath, L"");
}
