// For test runs: a record of every parameter text the updater was started with.
#pragma once
#include <string>

// The environment variable naming the file; without it nothing is recorded.
inline constexpr wchar_t kParameterLogVariable[] = L"PIXMODE_UPDATER_LOG";

// Appends parameters and a line break to the file, in UTF-8. False when it cannot be written.
bool AppendParameterLine(const std::wstring& file, const std::wstring& parameters);

// The file named by the environment variable, or empty.
std::wstring ParameterLogFile();
