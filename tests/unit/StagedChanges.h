// Compact expectations for the change calls a desktop rearrangement makes.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fakes/FakeDisplay.h"

struct ExpectedStage {
    std::wstring device;
    LONG x;
    LONG y;
    DWORD fields;
    DWORD flags;
};

inline std::wstring DisplayName(int number) { return L"\\\\.\\DISPLAY" + std::to_wstring(number); }

// Every expected stage appears twice in a row, then (when commit) one ChangeSettings(null, 0).
inline void ExpectStagedTwiceThenCommit(const FakeDisplay& display, const std::vector<ExpectedStage>& stages,
                                        bool commit = true) {
    const std::vector<DisplayCall> changes = display.Changes();
    ASSERT_EQ(changes.size(), stages.size() * 2 + (commit ? 1 : 0));
    for (size_t i = 0; i < changes.size() - (commit ? 1 : 0); ++i) {
        const ExpectedStage& stage = stages[i / 2];
        const DisplayCall& call = changes[i];
        SCOPED_TRACE(testing::Message() << "change call " << i);
        EXPECT_EQ(call.op, DisplayOp::ChangeSettingsEx);
        ASSERT_TRUE(call.device.has_value());
        EXPECT_EQ(*call.device, stage.device);
        ASSERT_TRUE(call.mode.has_value());
        EXPECT_EQ(call.mode->dmPosition.x, stage.x);
        EXPECT_EQ(call.mode->dmPosition.y, stage.y);
        EXPECT_EQ(call.mode->dmFields, stage.fields) << std::hex << call.mode->dmFields;
        EXPECT_EQ(call.flags, stage.flags) << std::hex << call.flags;
        if (i % 2 == 1 && changes[i - 1].mode) {
            EXPECT_EQ(memcmp(&*changes[i - 1].mode, &*call.mode, sizeof(DEVMODEW)), 0) << "second call differs";
        }
    }
    if (commit) {
        const DisplayCall& last = changes.back();
        EXPECT_EQ(last.op, DisplayOp::ChangeSettings);
        EXPECT_FALSE(last.mode.has_value());
        EXPECT_EQ(last.flags, 0u);
    }
}
