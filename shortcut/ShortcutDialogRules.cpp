#include "shortcut/ShortcutDialogRules.h"

#include <commdlg.h>

#include "framework/Strings.h"
#include "res/resource.h"

ShortcutLabels ShortcutLabelsFor(const ShortcutSettings& settings) {
    ShortcutLabels labels;
    labels.resolution = SizeText(settings.width, settings.height);
    const uint64_t colours = ColourCountFromBits(settings.bitsPerPixel);
    if (colours != 0) labels.colours = UnsignedText(colours);
    labels.showHz = settings.frequency != 0;
    if (labels.showHz) labels.frequency = UnsignedText(settings.frequency);
    // As in the arguments, only a device number of 0 or more names a device.
    labels.showMonitor = settings.deviceNumber >= 0;
    if (labels.showMonitor) labels.deviceNumber = UnsignedText(static_cast<uint32_t>(settings.deviceNumber));
    labels.showRegistryNote = settings.permanent;
    labels.explanation = LoadResString(IDS_SHORTCUT_EXPLANATION);
    return labels;
}

FileDialogRequest ProgramBrowseRequest() {
    FileDialogRequest request;
    request.title = LoadResString(IDS_SHORTCUT_BROWSE_TITLE);
    request.filters = {{L"Programs", L"*.exe"}, {L"All Files", L"*.*"}};
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    return request;
}

bool TakeChosenProgram(ShortcutSettings& settings, const std::optional<std::wstring>& chosen) {
    if (!chosen) return false;
    settings.programPath = *chosen;
    return !settings.programPath.empty();
}
