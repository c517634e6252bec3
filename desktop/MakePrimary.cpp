#include "desktop/MakePrimary.h"

#include "desktop/DesktopDevice.h"
#include "desktop/DesktopStaging.h"
#include "framework/MessageBox.h"
#include "framework/Shell.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {
void OfferControlPanel(IMessageBox& messages, IShell& shell, HWND owner) {
    const int answer = messages.Show(LoadResString(IDS_PRIMARY_NOT_IN_DESKTOP), MB_YESNO);
    if (answer == IDYES) shell.Execute(owner, nullptr, L"Control", L"desk.cpl,Display,3", nullptr, SW_SHOWNORMAL);
}
}  // namespace

void MakePrimary(IDisplaySettings& display, IMessageBox& messages, IShell& shell, HWND owner,
                 const std::wstring& deviceName, bool quiet) {
    std::vector<DesktopDevice> devices = CollectDesktopDevices(display, DesktopCollection::AttachedAndReadable);
    const DesktopDevice* target = FindDesktopDevice(devices, deviceName);
    if (target == nullptr) {
        OfferControlPanel(messages, shell, owner);
        return;
    }
    if (target->StateFlags & DISPLAY_DEVICE_REMOVABLE) {
        if (!quiet) messages.Show(LoadResString(IDS_PRIMARY_REMOVABLE), MB_OK);
        return;
    }
    if (target->StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) {
        if (!quiet) messages.Show(LoadResString(IDS_ALREADY_PRIMARY), MB_OK);
        return;
    }
    // The origin moves to the target: every device shifts by its old position.
    const POINTL origin = target->Mode.dmPosition;
    auto prepare = [origin](DesktopDevice& device) -> DWORD {
        device.Mode.dmPosition.x -= origin.x;
        device.Mode.dmPosition.y -= origin.y;
        device.Mode.dmFields = DM_POSITION;
        KeepNonDefaultFrequency(device.Mode);
        DWORD flags = CDS_UPDATEREGISTRY | CDS_NORESET;
        if ((device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) == 0) flags |= CDS_SET_PRIMARY;
        return flags;
    };
    StageAndCommit(display, messages, devices, prepare, LoadResString(IDS_PRIMARY_CHANGED), quiet);
}
