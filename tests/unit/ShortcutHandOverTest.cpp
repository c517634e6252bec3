#include <gtest/gtest.h>

#include "display/DisplayRecords.h"
#include "shortcut/ShortcutHandOver.h"

namespace {

DEVMODEW Mode(DWORD width, DWORD height, DWORD bits, DWORD frequency, DWORD orientation = 0) {
    DEVMODEW mode = PreparedDevMode();
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bits;
    mode.dmDisplayFrequency = frequency;
    mode.dmDisplayOrientation = orientation;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_BITSPERPEL | DM_DISPLAYFREQUENCY | DM_DISPLAYORIENTATION;
    return mode;
}

}  // namespace

TEST(ShortcutSettingsFromSelection, CopiesTheModeAndTheOptions) {
    ShortcutSettings s = ShortcutSettingsFromSelection(Mode(1024, 768, 16, 75), true, false, 2, 2u);
    EXPECT_EQ(s.width, 1024u);
    EXPECT_EQ(s.height, 768u);
    EXPECT_EQ(s.bitsPerPixel, 16u);
    EXPECT_EQ(s.frequency, 75u);
    EXPECT_EQ(s.deviceNumber, 2);
    EXPECT_EQ(s.rotation, 2u);
    EXPECT_TRUE(s.updateRegistry);
    EXPECT_TRUE(s.programPath.empty());
    EXPECT_FALSE(s.onlyWhenMaximized);
}

TEST(ShortcutSettingsFromSelection, FilterCheckedHandsOverNoFrequency) {
    ShortcutSettings s = ShortcutSettingsFromSelection(Mode(800, 600, 32, 60), false, true, 0, 0u);
    EXPECT_EQ(s.frequency, 0u);
    EXPECT_FALSE(s.updateRegistry);
    EXPECT_EQ(s.deviceNumber, 0);
    EXPECT_EQ(BuildShortcutArguments(s), L" -H800 -V600 -C4294967296 -M0");
}

TEST(ShortcutSettingsFromSelection, NoDeviceOrRotationStayNotGiven) {
    ShortcutSettings s = ShortcutSettingsFromSelection(Mode(800, 600, 8, 60), false, false, std::nullopt, std::nullopt);
    EXPECT_EQ(s.deviceNumber, -1);
    EXPECT_EQ(s.rotation, 0u);
    EXPECT_EQ(BuildShortcutArguments(s), L" -H800 -V600 -C256 -F60");
}

TEST(ShortcutSettingsFromSelection, TurnedButtonsExchangeWidthAndHeightWhateverTheRecordSays) {
    const struct {
        std::optional<DWORD> rotation;
        DWORD recordOrientation;
        uint32_t width, height;
    } cases[] = {
        {std::nullopt, DMDO_DEFAULT, 1024, 768}, {0u, DMDO_90, 1024, 768},
        {1u, DMDO_DEFAULT, 768, 1024},           {1u, DMDO_90, 768, 1024},
        {2u, DMDO_DEFAULT, 1024, 768},           {3u, DMDO_270, 768, 1024},
    };
    for (const auto& c : cases) {
        ShortcutSettings s =
            ShortcutSettingsFromSelection(Mode(1024, 768, 32, 60, c.recordOrientation), false, false, 1, c.rotation);
        EXPECT_EQ(s.width, c.width) << c.rotation.value_or(99);
        EXPECT_EQ(s.height, c.height) << c.rotation.value_or(99);
    }
    ShortcutSettings turned = ShortcutSettingsFromSelection(Mode(1024, 768, 32, 0), false, false, 1, 1u);
    EXPECT_EQ(BuildShortcutArguments(turned), L" -H768 -V1024 -C4294967296 -M1 -O90");
}
