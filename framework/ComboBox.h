// One-line wrappers of the drop-down combo box.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Wnd.h"

class CComboBox : public CWnd {
public:
    using CWnd::CWnd;
    // Adds a string at the end (the list is unsorted); its index, or a negative CB_ERR value.
    int AddString(const std::wstring& text) const {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void SetItemDataPtr(int index, void* data) const {
        SendMessage(CB_SETITEMDATA, index, reinterpret_cast<LPARAM>(data));
    }
    // The entry's data, or none for an entry without data or outside the list.
    void* GetItemDataPtr(int index) const;
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    void SetCurSel(int index) const { SendMessage(CB_SETCURSEL, index); }
};
