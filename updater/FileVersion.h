// A program's 64-bit file version: four 16-bit parts, major first.
#pragma once
#include <optional>
#include <string>

using FileVersion = unsigned long long;

// "major.minor.build.revision".
std::wstring DottedVersion(FileVersion version);

// "a.b.c.d" with each part from 0 to 65535, written without leading zeros.
std::optional<FileVersion> ParseDottedVersion(const std::wstring& text);
