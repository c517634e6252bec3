#include "app/CommandLineParser.h"

#include <cstdlib>

namespace {

// Numbers are read by the C runtime's own conversions: the same white space, signs and digits
// (full-width and other scripts' digits too) as any other program of the platform, and
// out-of-range values clamped. long is 32 bits wide on Windows.
static_assert(sizeof(long) == sizeof(int32_t), "wcstol must clamp to the 32-bit range");
int32_t ReadInt32(const std::wstring& text) { return wcstol(text.c_str(), nullptr, 10); }
int64_t ReadInt64(const std::wstring& text) { return _wcstoi64(text.c_str(), nullptr, 10); }

bool IsOptionPrefix(wchar_t c) { return c == L'/' || c == L'-' || c == L'\\'; }

// Letters are compared after the platform's own upper-casing.
wchar_t UpperCased(wchar_t letter) {
    CharUpperBuffW(&letter, 1);
    return letter;
}

uint32_t OrientationFromDegrees(int32_t degrees) {
    switch (degrees) {
    case 90: return DMDO_90;
    case 180: return DMDO_180;
    case 270: return DMDO_270;
    default: return DMDO_DEFAULT;
    }
}

void ReadOption(wchar_t letter, const std::wstring& value, CommandLineOptions& options, bool& updateRegistry) {
    switch (UpperCased(letter)) {
    case L'C':
        options.colourCount = static_cast<uint64_t>(ReadInt64(value));
        options.fields |= DM_BITSPERPEL;
        break;
    case L'F':
        options.frequency = ReadInt32(value);
        options.fields |= DM_DISPLAYFREQUENCY;
        break;
    case L'H':
        options.width = ReadInt32(value);
        options.fields |= DM_PELSWIDTH;
        break;
    case L'M': options.monitorNumber = ReadInt32(value); break;
    case L'O':
        options.orientation = OrientationFromDegrees(ReadInt32(value));
        options.fields |= DM_DISPLAYORIENTATION;
        break;
    case L'P':
        options.makePrimary = true;
        options.fields |= DM_POSITION;
        break;
    case L'Q': options.quiet = true; break;
    case L'R':
        options.onlyWhenMaximized = true;
        if (!value.empty() && value[0] == L'1') options.remaximize = true;
        break;
    case L'S':
        options.makeSole = true;
        options.fields |= DM_POSITION;
        break;
    case L'T': options.windowTitle = value; break;
    case L'U': updateRegistry = true; break;
    case L'V':
        options.height = ReadInt32(value);
        options.fields |= DM_PELSHEIGHT;
        break;
    case L'W':
        if (!value.empty() && value[0] == L'-') {
            options.listWindows = true;
        } else {
            options.windowNumber = ReadInt32(value);
        }
        break;
    case L'X': options.programCommandLine = value; break;
    default:
        // Other letters are ignored without a message.
        break;
    }
}

}  // namespace

void ReadArgument(const std::wstring& argument, CommandLineOptions& options, bool& updateRegistry) {
    if (argument.empty() || !IsOptionPrefix(argument[0])) {
        options.modeNumber = ReadInt32(argument);
        return;
    }
    // A lone prefix has no letter and is ignored.
    if (argument.size() < 2) return;
    ReadOption(argument[1], argument.substr(2), options, updateRegistry);
}

CommandLineOptions ReadArguments(const std::vector<std::wstring>& arguments, bool& updateRegistry) {
    CommandLineOptions options;
    for (size_t index = 1; index < arguments.size(); ++index) ReadArgument(arguments[index], options, updateRegistry);
    return options;
}
