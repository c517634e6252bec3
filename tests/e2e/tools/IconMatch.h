// Tells which standard icon a message box shows. Icon handles belong to the process that loaded
// them, so the tool compares the pixels on screen with the standard icons drawn locally.
#pragma once
#include <windows.h>

#include <string>

// "none" when the box shows no icon; "warning", "error", "question" or "information" for the
// closest standard icon; "unknown" when the screen cannot be read.
std::wstring IdentifyBoxIcon(HWND box);
