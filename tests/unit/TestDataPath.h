// Files that the build puts in testdata/ next to the test program.
#pragma once
#include <windows.h>

#include <string>

#include "framework/ModulePath.h"

inline std::wstring TestProgramPath() { return ModuleFileName(nullptr); }

inline std::wstring TestDataPath(const std::wstring& fileName) {
    return FolderWithSeparator(TestProgramPath()) + L"testdata\\" + fileName;
}
