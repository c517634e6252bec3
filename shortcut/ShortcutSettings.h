// The values a desktop shortcut is made from, and the argument text the shortcut carries.
#pragma once
#include <cstdint>
#include <string>

// Every field starts at the value that means "not given".
struct ShortcutSettings {
    std::wstring programPath;        // program the link runs; empty: none
    uint32_t width = 0;              // pixels; 0: not given
    uint32_t height = 0;             // pixels; 0: not given
    uint32_t bitsPerPixel = 0;       // 0: not given
    uint32_t frequency = 0;          // Hz; 0: not given
    int32_t deviceNumber = -1;       // enumeration number of the adapter; -1: not given (0 is a device)
    uint32_t rotation = 0;           // 0 to 3 for 0, 90, 180, 270 degrees
    bool updateRegistry = false;     // store the change in the registry (-U)
    bool onlyWhenMaximized = false;  // change only while the program's window is maximized in front (-R)
};

// The number of colours of a colour depth, 2 to the power of bitsPerPixel, as the "-C" option
// writes it; 0 stands for "no count": a depth not given (0), and a depth of 64 bits or more,
// which has no 64-bit count (rather than a shift past the width of the type).
uint64_t ColourCountFromBits(uint32_t bitsPerPixel);

// The shortcut's argument text: " -H<w> -V<h> -C<colours> -F<hz> -M<device> -O<degrees> -U -R
// "-X<path>"", each part only when its value is given, each after one blank; empty when nothing
// is given.
std::wstring BuildShortcutArguments(const ShortcutSettings& settings);
