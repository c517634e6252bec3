// Every scripted service a program run needs, wired together: the process ends and the
// windows change on the scripted clock, and the display, window and process calls share one
// journal so their order can be checked.
#pragma once
#include "app/RunServices.h"
#include "fakes/CallJournal.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeWindows.h"

// Passes every call on to a FakeDisplay and notes the change calls in the journal as
// "Change <width>x<height>".
class JournalingDisplay : public IDisplaySettings {
public:
    JournalingDisplay(FakeDisplay& display, CallJournal& journal) : display_(display), journal_(journal) {}

    bool EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) override {
        return display_.EnumDevices(device, index, record, flags);
    }
    bool EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) override {
        return display_.EnumSettings(device, modeNumber, mode);
    }
    bool EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) override {
        return display_.EnumSettingsEx(device, modeNumber, mode, flags);
    }
    LONG ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) override {
        Note(mode);
        return display_.ChangeSettingsEx(device, mode, flags);
    }
    LONG ChangeSettings(DEVMODEW* mode, DWORD flags) override {
        Note(mode);
        return display_.ChangeSettings(mode, flags);
    }

private:
    void Note(const DEVMODEW* mode) {
        journal_.Add(mode == nullptr ? std::string("Change none")
                                     : "Change " + std::to_string(mode->dmPelsWidth) + "x" +
                                           std::to_string(mode->dmPelsHeight));
    }
    FakeDisplay& display_;
    CallJournal& journal_;
};

struct FakeRunServices {
    CallJournal journal;
    FakeDisplay display;
    JournalingDisplay journalingDisplay{display, journal};
    FakeMessageBox messages;
    FakeProcesses processes;
    FakeWindows windows;
    FakeClock clock;
    RunServices services{journalingDisplay, messages, processes, windows, clock};

    FakeRunServices() {
        processes.clock = &clock;
        processes.journal = &journal;
        windows.journal = &journal;
    }
    FakeRunServices(const FakeRunServices&) = delete;
    FakeRunServices& operator=(const FakeRunServices&) = delete;
};
