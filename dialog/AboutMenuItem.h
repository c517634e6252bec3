// The about item of the main dialog's system menu.
#pragma once
#include <windows.h>

#include <string>

// Appends a separator and the item (command 16) to menu; nothing at all when text is empty.
void AddAboutMenuItem(HMENU menu, const std::wstring& text);
