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
    JournalingDisplay(FakeDisplay& display, CallJournal& journal) : m_display(display), m_journal(journal) {}

    bool EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) override {
        return m_display.EnumDevices(device, index, record, flags);
    }
    bool EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) override {
        return m_display.EnumSettings(device, modeNumber, mode);
    }
    bool EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) override {
        return m_display.EnumSettingsEx(device, modeNumber, mode, flags);
    }
    LONG ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) override {
        Note(mode);
        return m_display.ChangeSettingsEx(device, mode, flags);
    }
    LONG ChangeSettings(DEVMODEW* mode, DWORD flags) override {
        Note(mode);
        return m_display.ChangeSettings(mode, flags);
    }

private:
    void Note(const DEVMODEW* mode) {
        m_journal.Add(mode == nullptr
                          ? std::string("Change none")
                          : "Change " + std::to_string(mode->dmPelsWidth) + "x" + std::to_string(mode->dmPelsHeight));
    }
    FakeDisplay& m_display;
    CallJournal& m_journal;
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
