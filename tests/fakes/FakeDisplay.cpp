#include "fakes/FakeDisplay.h"

#include <cwchar>

namespace {
std::optional<std::wstring> NameOf(const wchar_t* device) {
    if (device == nullptr) return std::nullopt;
    return std::wstring(device);
}

// A text that fills the whole field is written without its terminator, as a driver may do.
void CopyText(wchar_t* target, size_t capacity, const std::wstring& text) {
    size_t length = text.size() < capacity ? text.size() : capacity;
    wmemcpy(target, text.data(), length);
    if (length < capacity) target[length] = L'\0';
}
}  // namespace

DEVMODEW MakeMode(DWORD width, DWORD height, DWORD bitsPerPixel, DWORD frequency, LONG x, LONG y, DWORD orientation) {
    DEVMODEW mode{};
    mode.dmSize = sizeof(DEVMODEW);
    mode.dmFields = DM_POSITION | DM_DISPLAYORIENTATION | DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT |
                    DM_DISPLAYFREQUENCY | DM_DISPLAYFLAGS;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = bitsPerPixel;
    mode.dmDisplayFrequency = frequency;
    mode.dmPosition.x = x;
    mode.dmPosition.y = y;
    mode.dmDisplayOrientation = orientation;
    return mode;
}

FakeAdapter& FakeDisplay::AddAdapter(DWORD stateFlags, const DEVMODEW& current, std::vector<DEVMODEW> modes) {
    FakeAdapter adapter;
    adapter.name = L"\\\\.\\DISPLAY" + std::to_wstring(adapters.size() + 1);
    adapter.stateFlags = stateFlags;
    adapter.current = current;
    adapter.registry = current;
    adapter.modes = std::move(modes);
    adapter.monitors.push_back(L"Generic Non-PnP Monitor");
    adapters.push_back(adapter);
    return adapters.back();
}

std::vector<DisplayCall> FakeDisplay::Changes() const {
    std::vector<DisplayCall> changes;
    for (const DisplayCall& call : calls) {
        if (call.op == DisplayOp::ChangeSettingsEx || call.op == DisplayOp::ChangeSettings) changes.push_back(call);
    }
    return changes;
}

FakeAdapter* FakeDisplay::Find(const wchar_t* device) {
    if (device == nullptr) {
        // The default display is the primary adapter, or the first one.
        for (FakeAdapter& adapter : adapters) {
            if (adapter.stateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) return &adapter;
        }
        return adapters.empty() ? nullptr : &adapters.front();
    }
    for (FakeAdapter& adapter : adapters) {
        if (adapter.name == device) return &adapter;
    }
    return nullptr;
}

bool FakeDisplay::EnumDevices(const wchar_t* device, DWORD index, DISPLAY_DEVICEW& record, DWORD flags) {
    bool found = false;
    if (device == nullptr) {
        if (index < adapters.size()) {
            const FakeAdapter& adapter = adapters[index];
            CopyText(record.DeviceName, 32, adapter.name);
            CopyText(record.DeviceString, 128, adapter.description);
            record.StateFlags = adapter.stateFlags;
            found = true;
        }
    } else if (FakeAdapter* adapter = Find(device)) {
        if (index < adapter->monitors.size()) {
            CopyText(record.DeviceName, 32, adapter->name + L"\\Monitor" + std::to_wstring(index));
            CopyText(record.DeviceString, 128, adapter->monitors[index]);
            record.StateFlags = DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_ACTIVE;
            found = true;
        }
    }
    calls.push_back({DisplayOp::EnumDevices, NameOf(device), index, flags, std::nullopt, found ? 1 : 0});
    return found;
}

bool FakeDisplay::ReadMode(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) {
    FakeAdapter* adapter = Find(device);
    if (adapter == nullptr) return false;
    const DEVMODEW* source = nullptr;
    if (modeNumber == ENUM_CURRENT_SETTINGS) {
        if (adapter->current) source = &*adapter->current;
    } else if (modeNumber == ENUM_REGISTRY_SETTINGS) {
        if (adapter->registry) source = &*adapter->registry;
    } else if (modeNumber < adapter->modes.size()) {
        source = &adapter->modes[modeNumber];
    }
    if (source == nullptr) {
        if (modeNumber == ENUM_CURRENT_SETTINGS && adapter->failedCurrentRead) mode = *adapter->failedCurrentRead;
        return false;
    }
    mode = *source;
    return true;
}

bool FakeDisplay::EnumSettings(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode) {
    bool found = ReadMode(device, modeNumber, mode);
    calls.push_back({DisplayOp::EnumSettings, NameOf(device), modeNumber, 0, std::nullopt, found ? 1 : 0});
    return found;
}

bool FakeDisplay::EnumSettingsEx(const wchar_t* device, DWORD modeNumber, DEVMODEW& mode, DWORD flags) {
    bool found = ReadMode(device, modeNumber, mode);
    calls.push_back({DisplayOp::EnumSettingsEx, NameOf(device), modeNumber, flags, std::nullopt, found ? 1 : 0});
    return found;
}

LONG FakeDisplay::NextResult() {
    if (changeResults.empty()) return DISP_CHANGE_SUCCESSFUL;
    LONG result = changeResults.front();
    changeResults.pop_front();
    return result;
}

void FakeDisplay::Apply(FakeAdapter& adapter, const DEVMODEW& mode, DWORD flags) {
    if (flags & CDS_NORESET) return;
    DEVMODEW current = adapter.current.value_or(MakeMode(0, 0));
    if (mode.dmFields & DM_PELSWIDTH) current.dmPelsWidth = mode.dmPelsWidth;
    if (mode.dmFields & DM_PELSHEIGHT) current.dmPelsHeight = mode.dmPelsHeight;
    if (mode.dmFields & DM_BITSPERPEL) current.dmBitsPerPel = mode.dmBitsPerPel;
    if (mode.dmFields & DM_DISPLAYFREQUENCY) current.dmDisplayFrequency = mode.dmDisplayFrequency;
    if (mode.dmFields & DM_DISPLAYORIENTATION) current.dmDisplayOrientation = mode.dmDisplayOrientation;
    if (mode.dmFields & DM_POSITION) current.dmPosition = mode.dmPosition;
    adapter.current = current;
    if (flags & CDS_UPDATEREGISTRY) adapter.registry = current;
}

LONG FakeDisplay::ChangeSettingsEx(const wchar_t* device, DEVMODEW* mode, DWORD flags) {
    LONG result = NextResult();
    std::optional<DEVMODEW> copy;
    if (mode != nullptr) copy = *mode;
    calls.push_back({DisplayOp::ChangeSettingsEx, NameOf(device), 0, flags, copy, result});
    if (result == DISP_CHANGE_SUCCESSFUL && mode != nullptr) {
        if (FakeAdapter* adapter = Find(device)) Apply(*adapter, *mode, flags);
    }
    return result;
}

LONG FakeDisplay::ChangeSettings(DEVMODEW* mode, DWORD flags) {
    LONG result = NextResult();
    std::optional<DEVMODEW> copy;
    if (mode != nullptr) copy = *mode;
    calls.push_back({DisplayOp::ChangeSettings, std::nullopt, 0, flags, copy, result});
    if (result == DISP_CHANGE_SUCCESSFUL && mode != nullptr) {
        if (FakeAdapter* adapter = Find(nullptr)) Apply(*adapter, *mode, flags);
    }
    return result;
}
