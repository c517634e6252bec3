// Ordering of the mode list's items by one column, read from ModeTable through the item data.
#pragma once
#include <windows.h>
#include <commctrl.h>

// Handed to the list control with each callback sort.
struct ModeSortParams {
    int column;
    const DEVMODEW* modes;  // the first ModeTable entry
    bool ascending;
};

// data1, data2: ModeTable indices; params: the address of a ModeSortParams.
// Negative when item 1 is to stand before item 2; ties keep mode-number order.
int CALLBACK CompareModeItems(LPARAM data1, LPARAM data2, LPARAM params);

// The header format of the sort column: text with the direction's marker right of it.
constexpr int kSortedHeaderFormat = HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
constexpr int kAscendingMarker = 0;
constexpr int kDescendingMarker = 1;

// A click on a column header: a new column starts ascending, the same column turns round.
inline bool NextSortAscending(int clickedColumn, int sortColumn, bool ascending) {
    return clickedColumn != sortColumn ? true : !ascending;
}
