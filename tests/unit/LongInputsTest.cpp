// Inputs longer than the platform's fixed fields and its classic path limit: nothing is cut off
// and nothing is read past the end of a record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLineParser.h"
#include "app/CommandLineSwitch.h"
#include "app/StartupRun.h"
#include "desktop/DesktopDevice.h"
#include "desktop/MakePrimary.h"
#include "dialog/DeviceList.h"
#include "fakes/ArgumentSplitter.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeShell.h"
#include "fakes/FakeShellLink.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/ShellLink.h"
#include "shortcut/ShortcutSettings.h"

namespace {

// 32 characters: the whole DeviceName field, so the record carries no terminator.
const std::wstring kFullName = L"\\\\.\\DISPLAY_OF_A_VERY_LONG_NAME9";
// 128 characters: the whole DeviceString field.
const std::wstring kFullDescription = std::wstring(L"Adapter ") + std::wstring(120, L'D');

// A program path far beyond MAX_PATH, with blanks, non-ASCII folders and a trailing backslash run.
std::wstring LongProgramPath() {
    std::wstring path = L"\\\\?\\C:";
    for (int i = 0; path.size() < 700; ++i) path += L"\\Folder with blanks \u00e4\u65e5 " + std::to_wstring(i);
    return path + L"\\game.exe";
}

// The first adapter fills both text fields to the last character.
FakeDisplay DisplayWithFullFields() {
    FakeDisplay display;
    FakeAdapter& adapter = display.AddAdapter(kPrimary, MakeMode(1024, 768, 32, 60), {MakeMode(800, 600)});
    adapter.name = kFullName;
    adapter.description = kFullDescription;
    adapter.monitors = {std::wstring(128, L'M')};
    display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(800, 600, 32, 60, 1024, 0));
    return display;
}

}  // namespace

TEST(LongInputs, TheFakeFillsFullFieldsWithoutTerminator) {
    FakeDisplay display = DisplayWithFullFields();
    ASSERT_EQ(kFullName.size(), 32u);
    DISPLAY_DEVICEW record{};
    record.cb = sizeof(record);
    ASSERT_TRUE(display.EnumDevices(nullptr, 0, record, 0));
    EXPECT_NE(record.DeviceName[31], L'\0');
    EXPECT_NE(record.DeviceString[127], L'\0');
}

TEST(LongInputs, CommandLineTakesAFullDeviceNameAsItIs) {
    FakeDisplay display = DisplayWithFullFields();
    FakeMessageBox messages;
    FakeShell shell;
    bool updateRegistry = false;
    CommandLineSwitch commandLine(display, messages, shell);
    const StartupRun run = RunStartup({L"pixmode.exe", L"-M0", L"-H800"}, updateRegistry, commandLine, [] {});
    EXPECT_EQ(run.state.deviceName, kFullName);
    ASSERT_EQ(display.Changes().size(), 1u);
    EXPECT_EQ(display.Changes()[0].device, kFullName);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(LongInputs, DeviceListAndLabelsStopAtTheEndOfEachField) {
    FakeDisplay display = DisplayWithFullFields();
    DeviceList list = DeviceList::Build(display);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].text, kFullName);
    ASSERT_TRUE(list.items[0].entry);
    const DeviceLabels labels = LabelsFor(*list.items[0].entry);
    EXPECT_EQ(labels.description, kFullDescription);
    EXPECT_EQ(labels.monitors, std::wstring(128, L'M'));
    // The monitors were asked for by the full name.
    bool askedByName = false;
    for (const DisplayCall& call : display.calls) askedByName = askedByName || call.device == kFullName;
    EXPECT_TRUE(askedByName);
    list.Release();
}

TEST(LongInputs, DesktopOperationsFindAndStageAFullDeviceName) {
    FakeDisplay display = DisplayWithFullFields();
    std::vector<DesktopDevice> devices = CollectDesktopDevices(display, DesktopCollection::AttachedAndReadable);
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].DeviceName, kFullName);
    EXPECT_EQ(devices[0].Mode.dmPelsWidth, 1024u);

    FakeMessageBox messages;
    FakeShell shell;
    display.changeResults = {DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_BADMODE};
    MakePrimary(display, messages, shell, nullptr, L"\\\\.\\DISPLAY2", false);
    EXPECT_EQ(messages.Texts(), std::vector<std::wstring>{FormatResString(IDS_STAGE_FAILED, {kFullName, L"-2"})});
}

TEST(LongInputs, ProgramPathBeyondMaxPathIsReadWhole) {
    const std::wstring path = LongProgramPath();
    ASSERT_GT(path.size(), 260u);
    bool updateRegistry = false;
    const CommandLineOptions options =
        ReadArguments({L"pixmode.exe", L"-H800", L"-X" + path + L" -windowed"}, updateRegistry);
    EXPECT_EQ(options.programCommandLine, path + L" -windowed");
}

TEST(LongInputs, ShortcutCarriesALongProgramPathWhole) {
    ShortcutSettings settings;
    settings.programPath = LongProgramPath() + L"\\\\";
    settings.width = 1024;
    const std::wstring arguments = BuildShortcutArguments(settings);
    const std::vector<std::wstring> split = SplitLikeCRuntime(arguments);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[1], L"-X" + ProgramCommandLineOf(settings.programPath));

    FakeComLinkRuntime runtime;
    EXPECT_EQ(CreateShellLink(runtime, L"C:\\Pixmode\\pixmode.exe", arguments, L"C:\\Desk\\x.lnk", L"Runs it",
                              settings.programPath),
              S_OK);
    ASSERT_GE(runtime.log.size(), 6u);
    EXPECT_EQ(runtime.log[3], L"SetArguments(" + arguments + L")");
    EXPECT_EQ(runtime.log[5], L"SetIconLocation(" + settings.programPath + L",0)");
}
