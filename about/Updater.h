// Starting the separate updater next to the program.
#pragma once
#include <windows.h>

#include <string>

class IShell;

// automatic: true for the start at every opening of the main dialog, false for the about box link.
void LaunchUpdater(IShell& shell, HWND owner, bool automatic, HMODULE module);

// The updater's file: the program's folder, separator kept, and "Marrowick.exe".
std::wstring UpdaterPath(const std::wstring& programPath);
// "<program path> 0 <file version> <1|0>": the path unquoted and whole, the version signed decimal.
std::wstring UpdaterParameters(const std::wstring& programPath, long long fileVersion, bool automatic);
// The file version of the program as one signed number; 0 when the file has no fixed version.
long long ProgramFileVersion(const std::wstring& programPath);
// Asks the shell to start the updater for programPath and goes on at once. (Named apart from
// LaunchUpdater so that the module form can be taken as a plain function value.)
void LaunchUpdaterWith(IShell& shell, HWND owner, bool automatic, const std::wstring& programPath,
                       long long fileVersion);
// The same with the version read from the program file.
void LaunchUpdaterFor(IShell& shell, HWND owner, bool automatic, const std::wstring& programPath);
