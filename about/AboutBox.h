// The about box, a plain dialog procedure over template 1.
#pragma once
#include <windows.h>

class IShell;

// Shows the about box modally over owner; its links go to shell. Returns when it closes.
void ShowAboutBox(HWND owner, IShell& shell);

// The box's dialog procedure; its creation parameter is an AboutContext that outlives the box.
INT_PTR CALLBACK AboutDlgProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);
