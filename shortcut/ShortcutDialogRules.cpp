#include "shortcut/ShortcutDialogRules.h"

#include <commdlg.h>

#include "framework/Strings.h"
#include "res/resource.h"

ShortcutLabels ShortcutLabelsFor(const ShortcutSettings& settings) {
    ShortcutLabels labels;
    labels.resolution = FormatResString(IDS_SCREEN_AREA, {UnsignedText(settings.width), UnsignedText(settings.height)});
    const uint64_t colourCount = ColourCountFromBits(settings.bitsPerPixel);
    if (colourCount != 0) labels.colourCount = UnsignedText(colourCount);
    labels.showHz = settings.frequency != 0;
    if (labels.showHz) labels.frequency = UnsignedText(settings.frequency);
    // As in the arguments, only a device number of 0 or more names a device.
    labels.showMonitor = settings.deviceNumber >= 0;
    if (labels.showMonitor) labels.deviceNumber = UnsignedText(static_cast<uint32_t>(settings.deviceNumber));
    labels.showRegistryNote = settings.updateRegistry;
    labels.explanation = LoadResString(IDS_SHORTCUT_EXPLANATION);
    return labels;
}

FileDialogRequest ProgramBrowseRequest() {
    FileDialogRequest request;
    request.title = LoadResString(IDS_SHORTCUT_BROWSE_TITLE);
    request.filters = {{LoadResString(IDS_FILTER_PROGRAMS), L"*.exe"}, {LoadResString(IDS_FILTER_ALL_FILES), L"*.*"}};
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return request;
}

bool TakeChosenProgram(ShortcutSettings& settings, const std::optional<std::wstring>& chosen) {
    if (!chosen) return false;
    settings.programPath = *chosen;
    return !settings.programPath.empty();
}
