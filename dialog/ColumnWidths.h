// Column widths of the mode list in average character widths of its device context.
#pragma once
#include <windows.h>

// The extent of the 52 letters plus 26, divided by 52; the font's average width when the
// extent cannot be measured. Measured with the font the window's device context starts with.
int AverageCharWidth(HWND window);

inline int AverageWidthFromExtent(int extentOf52Letters) { return (extentOf52Letters + 26) / 52; }
