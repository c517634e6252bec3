// Records the desktop arrangements a caller asks for, with every argument, instead of making them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/DesktopOperations.h"
#include "fakes/FakeDisplay.h"

struct DesktopRequest {
    bool sole;  // MakeSole; otherwise MakePrimary
    IDisplaySettings* display;
    IMessageBox* messages;
    IShell* shell;  // MakePrimary only
    HWND owner;     // MakePrimary only
    std::wstring deviceName;
    DWORD fieldMask;  // the MakeSole values; 0 for MakePrimary
    DWORD width;
    DWORD height;
    uint64_t colourCount;
    DWORD frequency;
    bool quiet;
    size_t displayCallsBefore;  // how many calls the watched FakeDisplay had logged by then
};

class FakeDesktop {
public:
    std::vector<DesktopRequest> requests;

    // display: the fake whose call log places each request in order; may be null.
    explicit FakeDesktop(const FakeDisplay* display = nullptr) : m_pDisplay(display) {}

    DesktopOperations Operations() {
        DesktopOperations operations;
        operations.makePrimary = [this](IDisplaySettings& display, IMessageBox& messages, IShell& shell, HWND owner,
                                        const std::wstring& deviceName, bool quiet) {
            requests.push_back({false, &display, &messages, &shell, owner, deviceName, 0, 0, 0, 0, 0, quiet, Logged()});
        };
        operations.makeSole = [this](IDisplaySettings& display, IMessageBox& messages, const std::wstring& deviceName,
                                     DWORD fieldMask, DWORD width, DWORD height, uint64_t colourCount, DWORD frequency,
                                     bool quiet) {
            requests.push_back({true, &display, &messages, nullptr, nullptr, deviceName, fieldMask, width, height,
                                colourCount, frequency, quiet, Logged()});
        };
        return operations;
    }

private:
    size_t Logged() const { return m_pDisplay ? m_pDisplay->calls.size() : 0; }
    const FakeDisplay* m_pDisplay;
};
