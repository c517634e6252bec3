// Reads the rows of another process's report-style list view.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ListViewRow {
    std::vector<std::wstring> cells;  // one text per column
    bool selected;
    bool focused;
    LPARAM param;
};

// False if the list's process cannot be opened or a message goes unanswered.
bool ReadListView(HWND list, std::vector<ListViewRow>* rows, std::vector<std::wstring>* headers);

// Selects and focuses one row of another process's list view, as a click on it would; row -1
// clears the selection. The list notifies its owner of the change. False if the row does not
// exist or no answer came.
bool SelectListViewRow(HWND list, int row);
