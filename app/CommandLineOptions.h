// Every option of the command line, as the argument loop reads it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

struct CommandLineOptions {
    std::wstring programCommandLine;       // X
    std::wstring windowTitle;              // T
    uint64_t colourCount = 0;              // C
    std::optional<int32_t> windowNumber;   // W with a number
    int32_t height = 0;                    // V
    int32_t width = 0;                     // H
    int32_t frequency = 0;                 // F
    uint32_t orientation = 0;              // O, 0 to 3
    DWORD fields = 0;                      // dmFields bits of the values given (and DM_POSITION for P, S)
    std::optional<int32_t> monitorNumber;  // M
    std::optional<int32_t> modeNumber;     // an argument without prefix
    bool quiet = false;                    // Q
    bool makePrimary = false;              // P
    bool makeSole = false;                 // S
    bool onlyWhenMaximized = false;        // R
    bool remaximize = false;               // R1
    bool listWindows = false;              // W-
};
