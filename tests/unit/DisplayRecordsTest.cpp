#include <gtest/gtest.h>

#include "display/DisplayRecords.h"
#include "fakes/FakeDisplay.h"

TEST(DisplayRecords, PreparedRecordsCarryTheirSizesAndNothingElse) {
    DEVMODEW mode = PreparedDevMode();
    EXPECT_EQ(mode.dmSize, 220);
    EXPECT_EQ(mode.dmDriverExtra, 0);
    EXPECT_EQ(mode.dmFields, 0u);
    EXPECT_EQ(mode.dmPelsHeight, 0u);
    DISPLAY_DEVICEW device = PreparedDisplayDevice();
    EXPECT_EQ(device.cb, 840u);
    EXPECT_EQ(device.DeviceName[0], L'\0');
    EXPECT_EQ(device.StateFlags, 0u);
}

TEST(DisplayRecords, ColourCountGivesThePositionOfItsLowestSetBit) {
    const struct {
        uint64_t count;
        DWORD bits;
    } cases[] = {
        {0, 0},
        {1, 0},
        {2, 1},
        {16, 4},
        {256, 8},
        {768, 8},
        {32768, 15},
        {65536, 16},
        {16777216, 24},
        {4294967296ull, 32},
        {0x8000000000000000ull, 63},
        {7, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(BitsPerPixelFromColourCount(c.count), c.bits) << c.count;
}

TEST(DisplayRecords, HardwareDefaultFrequencyIsZeroOrOne) {
    EXPECT_TRUE(IsHardwareDefaultFrequency(0));
    EXPECT_TRUE(IsHardwareDefaultFrequency(1));
    EXPECT_FALSE(IsHardwareDefaultFrequency(2));
    EXPECT_FALSE(IsHardwareDefaultFrequency(60));
}

TEST(GetCurrentOrientation, UnreadableModeLeavesTheOutValueAlone) {
    FakeDisplay display;
    display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE, MakeMode(800, 600))
        .current.reset();
    DWORD orientation = 7;
    EXPECT_FALSE(GetCurrentOrientation(display, nullptr, orientation));
    EXPECT_EQ(orientation, 7u);
}

TEST(GetCurrentOrientation, UnflaggedOrientationIsStoredButNotReported) {
    FakeDisplay display;
    DEVMODEW mode = MakeMode(800, 600, 32, 60, 0, 0, 2);
    mode.dmFields &= ~static_cast<DWORD>(DM_DISPLAYORIENTATION);
    display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, mode);
    DWORD orientation = 0;
    EXPECT_FALSE(GetCurrentOrientation(display, L"\\\\.\\DISPLAY1", orientation));
    EXPECT_EQ(orientation, 2u);
}

TEST(GetCurrentOrientation, FlaggedOrientationIsReportedForTheNamedDevice) {
    FakeDisplay display;
    display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(800, 600));
    display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP, MakeMode(600, 800, 32, 60, 800, 0, 3));
    DWORD orientation = 0;
    EXPECT_TRUE(GetCurrentOrientation(display, L"\\\\.\\DISPLAY2", orientation));
    EXPECT_EQ(orientation, 3u);
    ASSERT_EQ(display.calls.size(), 1u);
    EXPECT_EQ(display.calls[0].device.value(), L"\\\\.\\DISPLAY2");
    EXPECT_EQ(display.calls[0].number, ENUM_CURRENT_SETTINGS);
}
