// The run state most program-run tests start from: display 1 at 1024x768 (the saved mode),
// 800x600 requested, changes stored.
#pragma once
#include <cstring>

#include "app/CommandLineState.h"
#include "fakes/FakeRunServices.h"

inline const wchar_t* kRunDevice = L"\\\\.\\DISPLAY1";

inline CommandLineState RunState(FakeDisplay& display) {
    const DEVMODEW current = MakeMode(1024, 768);
    display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE, current);
    CommandLineState state;
    state.deviceName = kRunDevice;
    state.savedMode = current;
    state.requestedMode = current;
    state.requestedMode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    state.requestedMode.dmPelsWidth = 800;
    state.requestedMode.dmPelsHeight = 600;
    state.changeFlags = CDS_UPDATEREGISTRY;
    return state;
}

inline bool SameMode(const DEVMODEW& a, const DEVMODEW& b) { return std::memcmp(&a, &b, sizeof(DEVMODEW)) == 0; }

enum class Change { Apply, Restore };

// What each change call did, checking that it went to the run's device with its flags and
// carried one of the run's two records unchanged.
inline std::vector<Change> ChangesMade(const FakeDisplay& display, const CommandLineState& state) {
    std::vector<Change> changes;
    for (const DisplayCall& call : display.Changes()) {
        EXPECT_EQ(call.op, DisplayOp::ChangeSettingsEx);
        EXPECT_EQ(call.device.value_or(L"none"), kRunDevice);
        EXPECT_EQ(call.flags, state.changeFlags);
        if (!call.mode) {
            ADD_FAILURE() << "change without a record";
            continue;
        }
        if (SameMode(*call.mode, state.requestedMode)) {
            changes.push_back(Change::Apply);
        } else {
            EXPECT_TRUE(SameMode(*call.mode, state.savedMode)) << "a record that is neither mode";
            changes.push_back(Change::Restore);
        }
    }
    return changes;
}

using C = Change;
