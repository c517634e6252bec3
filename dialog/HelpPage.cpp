#include "dialog/HelpPage.h"

#include "framework/ModulePath.h"

std::wstring HelpFilePath(const std::wstring& programPath) { return FolderWithSeparator(programPath) + L"readme.html"; }
