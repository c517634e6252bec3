// The about box, a plain dialog procedure over template 1.
#pragma once
#include <windows.h>

// Shows the about box modally over owner; returns when it closes.
void ShowAboutBox(HWND owner);
