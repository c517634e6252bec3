// The full file name of a loaded module, and the path pieces built from it.
#pragma once
#include <windows.h>

#include <string>

// The module's full path as the platform reports it, however long; empty when it cannot be read.
std::wstring ModuleFileName(HMODULE module);

// The path up to and including its last separator; empty when it has none.
std::wstring FolderWithSeparator(const std::wstring& path);

// folder and name joined by exactly one backslash; name alone when folder is empty.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
