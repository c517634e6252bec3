// A scripted display settings service: adapters, monitors, modes, current and stored modes,
// a result per change call, and a log of every call with its device name, record and flags.
#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "display/DisplaySettings.h"

// The state flags of an adapter on the desktop, and of the primary one.
inline constexpr DWORD kAttached = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
inline constexpr DWORD kPrimary = kAttached | DISPLAY_DEVICE_PRIMARY_DEVICE;

// A mode record as a driver reports it; the fields flagged are the ones Wine flags for a current mode.
DEVMODEW MakeMode(DWORD width, DWORD height, DWORD bitsPerPixel = 32, DWORD frequency = 60, LONG x = 0, LONG y = 0,
                  DWORD orientation = 0);

struct FakeAdapter {
    std::wstring name;
    std::wstring description = L"Fake Adapter";
    DWORD stateFlags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP;
    std::vector<std::wstring> monitors;
    std::vector<DEVMODEW> modes;
    std::optional<DEVMODEW> current;   // absent: the current mode cannot be read
    std::optional<DEVMODEW> registry;  // absent: the stored mode cannot be read
    // What a failing current-mode read leaves in the caller's record; absent: it leaves it alone.
    std::optional<DEVMODEW> failedCurrentRead;
};

enum class DisplayOp { EnumDevices, EnumSettings, EnumSettingsEx, ChangeSettingsEx, ChangeSettings };

struct DisplayCall {
    DisplayOp op;
    std::optional<std::wstring> device;  // absent: no device name was passed
    DWORD number;                        // index or mode number; 0 for the change calls
    DWORD flags;
    std::optional<DEVMODEW> mode;  // the record handed to a change call, if any
    LONG result;                   // change result, or 1/0 for an enumerate call
};

class FakeDisplay : public IDisplaySettings {
public:
    std::vector<FakeAdapter> adapters;
    // Results of the successive change calls (both kinds); 0 once the queue is empty.
    std::deque<LONG> changeResults;
    std::vector<DisplayCall> calls;

    // Adds an adapter named \\.\DISPLAYn (n counting from 1) with the given current mode.
    FakeAdapter& AddAdapter(DWORD stateFlags, const DEVMODEW& current, std::vector<DEVMODEW> modes = {});

    // The change calls only, in order.
    std::vector<DisplayCall> Changes() const;

    bool EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) override;
    bool EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) override;
    bool EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) override;
    LONG ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) override;
    LONG ChangeSettings(DEVMODEW* mode, DWORD flags) override;

private:
    FakeAdapter* Find(const wchar_t* device);
    bool ReadMode(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode);
    LONG NextResult();
    void Apply(FakeAdapter& adapter, const DEVMODEW& mode, DWORD flags);
};
