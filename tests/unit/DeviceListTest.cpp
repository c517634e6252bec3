#include <gtest/gtest.h>

#include "dialog/DeviceList.h"
#include "fakes/FakeDisplay.h"

namespace {}  // namespace

TEST(DeviceList, MirroringAdapterIsSkippedButKeepsItsNumber) {
    FakeDisplay display;
    display.AddAdapter(DISPLAY_DEVICE_MIRRORING_DRIVER, MakeMode(800, 600));
    display.AddAdapter(kAttached, MakeMode(800, 600));
    display.AddAdapter(kPrimary, MakeMode(800, 600));
    DeviceList list = DeviceList::Build(display);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].text, L"\\\\.\\DISPLAY2");
    EXPECT_EQ(list.items[1].text, L"\\\\.\\DISPLAY3");
    ASSERT_TRUE(list.items[0].entry && list.items[1].entry);
    EXPECT_EQ(list.items[0].entry->deviceNumber, 1);
    EXPECT_EQ(list.items[1].entry->deviceNumber, 2);
    EXPECT_EQ(LabelsFor(*list.items[0].entry).number, L"1");
    EXPECT_EQ(list.selected, 1u);
    EXPECT_TRUE(list.adapterFound);
    // The mirroring driver's monitors are never asked for.
    for (const DisplayCall& call : display.calls) {
        if (call.device) {
            EXPECT_NE(*call.device, L"\\\\.\\DISPLAY1");
        }
    }
}

TEST(DeviceList, MonitorsAreJoinedInEnumerationOrder) {
    FakeDisplay display;
    display.AddAdapter(kPrimary, MakeMode(800, 600)).monitors = {L"Left Panel", L"Right Panel"};
    display.AddAdapter(kAttached, MakeMode(800, 600)).monitors.clear();
    display.adapters[0].description = L"Primary Adapter";
    DeviceList list = DeviceList::Build(display);
    ASSERT_EQ(list.items.size(), 2u);
    DeviceLabels first = LabelsFor(*list.items[0].entry);
    EXPECT_EQ(first.monitors, L"Left Panel; Right Panel");
    EXPECT_EQ(first.description, L"Primary Adapter");
    EXPECT_EQ(first.number, L"0");
    EXPECT_EQ(LabelsFor(*list.items[1].entry).monitors, L"");
    EXPECT_EQ(list.items[0].entry->device.StateFlags, kPrimary);

    std::vector<DisplayCall> monitorCalls;
    for (const DisplayCall& call : display.calls) {
        if (call.op == DisplayOp::EnumDevices && call.device) monitorCalls.push_back(call);
    }
    ASSERT_EQ(monitorCalls.size(), 4u);  // two monitors and the end, then the end at once
    EXPECT_EQ(*monitorCalls[0].device, L"\\\\.\\DISPLAY1");
    EXPECT_EQ(monitorCalls[2].number, 2u);
    EXPECT_EQ(*monitorCalls[3].device, L"\\\\.\\DISPLAY2");
    for (const DisplayCall& call : monitorCalls)
        EXPECT_EQ(call.flags, static_cast<DWORD>(EDD_GET_DEVICE_INTERFACE_NAME));
}

TEST(DeviceList, PrimaryIsPreselectedOtherwiseTheFirst) {
    FakeDisplay none;
    none.AddAdapter(kAttached, MakeMode(800, 600));
    none.AddAdapter(kAttached, MakeMode(800, 600));
    EXPECT_EQ(DeviceList::Build(none).selected, 0u);

    FakeDisplay second;
    second.AddAdapter(kAttached, MakeMode(800, 600));
    second.AddAdapter(kPrimary, MakeMode(800, 600));
    EXPECT_EQ(DeviceList::Build(second).selected, 1u);
}

TEST(DeviceList, NoAdapterGivesOneEmptyEntryWithoutRecord) {
    FakeDisplay display;
    DeviceList list = DeviceList::Build(display);
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0].text, L"");
    EXPECT_FALSE(list.items[0].entry);
    EXPECT_FALSE(list.adapterFound);
    EXPECT_FALSE(DeviceChoiceEnabled(list.items.size()));
    EXPECT_EQ(list.Release(), 0u);
}

TEST(DeviceList, EntriesAreFreedExactlyOnce) {
    FakeDisplay display;
    display.AddAdapter(kPrimary, MakeMode(800, 600));
    display.AddAdapter(kAttached, MakeMode(800, 600));
    DeviceList list = DeviceList::Build(display);
    EXPECT_EQ(list.Release(), 2u);
    EXPECT_EQ(list.Release(), 0u);
    EXPECT_EQ(list.items.size(), 2u);
    EXPECT_FALSE(list.items[1].entry);
}

TEST(DeviceList, EnableRules) {
    EXPECT_FALSE(DeviceChoiceEnabled(0));
    EXPECT_FALSE(DeviceChoiceEnabled(1));
    EXPECT_TRUE(DeviceChoiceEnabled(2));
    DeviceEntry entry{PreparedDisplayDevice(), 0, L""};
    entry.device.StateFlags = kPrimary;
    EXPECT_TRUE(DesktopButtonsEnabled(entry));
    entry.device.StateFlags = kAttached | DISPLAY_DEVICE_REMOVABLE;
    EXPECT_FALSE(DesktopButtonsEnabled(entry));
}
