// What the updater was asked to do, read from its parameter text.
#pragma once
#include <optional>
#include <string>

#include "updater/FileVersion.h"

struct UpdaterRequest {
    std::wstring programPath;  // may contain blanks
    FileVersion fileVersion;   // 0 when the program has none
    bool automatic;            // started by the program itself rather than by the user
};

// "<program path> 0 <signed decimal version> <1|0>", read from the end so that blanks in the path
// need no quotes. Trailing blanks are ignored. None when anything does not fit.
std::optional<UpdaterRequest> ParseUpdaterRequest(const std::wstring& parameters);
