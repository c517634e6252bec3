// Where the help page lives: "readme.html" next to the program.
#pragma once
#include <string>

// The folder of programPath (up to its last separator) with "readme.html".
std::wstring HelpFilePath(const std::wstring& programPath);
