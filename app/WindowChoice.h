// Finding the main window of a program that was just started.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "app/CommandLineOptions.h"
#include "app/RunServices.h"

// Looks for the parentless visible windows of the thread every 400 ms for up to 10000 ms and
// picks one: the only one, the one option W names, or the best one by ChooseWindow. None when
// the thread shows no such window in time or no choice can be made.
HWND FindLaunchedWindow(DWORD threadId, const CommandLineOptions& options, const RunServices& services);

// With autoChoice, the one candidate that scores higher than every other. Otherwise, or when no
// candidate wins alone, lists the candidates in a message and gives none.
HWND ChooseWindow(const std::vector<HWND>& candidates, bool autoChoice, const RunServices& services);

// The list of candidates shown when no window can be chosen.
std::wstring WindowListMessage(const std::vector<HWND>& candidates, bool autoChoice, IWindowServices& windows);
