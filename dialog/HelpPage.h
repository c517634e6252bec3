// Where the help page lives: "readme.html" next to the program.
#pragma once
#include <windows.h>

#include <string>

// The module's full file name, however long.
std::wstring ModuleFilePath(HMODULE module);

// The folder of programPath (up to its last backslash) joined with "readme.html".
std::wstring HelpFilePath(const std::wstring& programPath);
