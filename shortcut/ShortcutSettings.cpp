#include "shortcut/ShortcutSettings.h"

#include <limits>

#include "framework/Strings.h"

uint64_t ColourCountFromBits(uint32_t bitsPerPixel) {
    return bitsPerPixel != 0 && bitsPerPixel < 64 ? uint64_t{1} << bitsPerPixel : 0;
}

namespace {

// The "-X" unit as the C runtime's argument splitting reads it back: inside the quotes a run of
// backslashes before a quote (or before the closing quote) is doubled and the quote escaped, so
// the path arrives unchanged. A path with blanks is also quoted within the option: unquoted, the
// platform would try "C:\Program.exe" before "C:\Program Files\...", and start the wrong program.
std::wstring QuotedProgramOption(const std::wstring& path) {
    const bool quotePath = path.find_first_of(L" \t") != std::wstring::npos;
    std::wstring unit = quotePath ? L"\"-X\\\"" : L"\"-X";
    size_t backslashes = 0;
    for (wchar_t c : path) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            if (c == L'"') unit.append(backslashes + 1, L'\\');
            backslashes = 0;
        }
        unit += c;
    }
    unit.append(backslashes, L'\\');
    if (quotePath) unit += L"\\\"";
    unit += L'"';
    return unit;
}

}  // namespace

std::wstring BuildShortcutArguments(const ShortcutSettings& settings) {
    std::wstring text;
    auto append = [&text](const std::wstring& option) {
        text += L' ';
        text += option;
    };

    if (settings.width != 0) append(L"-H" + UnsignedText(settings.width));
    if (settings.height != 0) append(L"-V" + UnsignedText(settings.height));
    // A depth too large to count is left out rather than written as a wrong count; so is a count
    // beyond the signed 64-bit number the "-C" option is read as, which would read back clamped.
    const uint64_t colourCount = ColourCountFromBits(settings.bitsPerPixel);
    if (colourCount != 0 && colourCount <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
        append(L"-C" + UnsignedText(colourCount));
    if (settings.frequency != 0) append(L"-F" + UnsignedText(settings.frequency));
    // Device numbers are enumeration indices; a negative one names no device, so it is not
    // written (as an unsigned number it would name a device that does not exist).
    if (settings.deviceNumber >= 0) append(L"-M" + UnsignedText(static_cast<uint32_t>(settings.deviceNumber)));
    // Only the three turned orientations have a degree value the reading side maps back.
    if (settings.rotation >= 1 && settings.rotation <= 3) append(L"-O" + UnsignedText(settings.rotation * 90u));
    if (settings.updateRegistry) append(L"-U");
    if (settings.onlyWhenMaximized) append(L"-R");
    if (!settings.programPath.empty()) append(QuotedProgramOption(settings.programPath));
    return text;
}
