// One-line wrappers of the report-style list control and its header.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CHeaderCtrl : public CWnd {
public:
    using CWnd::CWnd;
    void SetImageList(HIMAGELIST images) const {
        SendMessage(HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    }
    // Sets the item's format flags and image index; the text stays.
    void SetItemFormat(int index, int format, int image) const;
};

class CListCtrl : public CWnd {
public:
    using CWnd::CWnd;
    void SetExtendedStyle(DWORD mask, DWORD style) const { SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }
    void SetImageList(HIMAGELIST images, int which) const {
        SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(images));
    }
    CHeaderCtrl GetHeaderCtrl() const { return CHeaderCtrl(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER))); }

    int InsertColumn(int index, const std::wstring& title, int format, int width) const;
    void SetColumnWidth(int column, int width) const { SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)); }

    // Inserts an item with its text and image; the index it got, or -1.
    int InsertItem(int index, const std::wstring& text, int image) const;
    void SetItemText(int item, int subItem, const std::wstring& text) const;
    void SetItemData(int item, LPARAM data) const;
    LPARAM GetItemData(int item) const;
    void DeleteAllItems() const { SendMessage(LVM_DELETEALLITEMS); }

    // The list moves its items with the comparison callback; item data go to compare.
    void SortItems(PFNLVCOMPARE compare, LPARAM parameter) const {
        SendMessage(LVM_SORTITEMS, parameter, reinterpret_cast<LPARAM>(compare));
    }
    int GetNextSelected(int after = -1) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, after, LVNI_SELECTED));
    }
    void SetItemState(int item, UINT state, UINT mask) const;
    void EnsureVisible(int item, bool partialOk) const {
        SendMessage(LVM_ENSUREVISIBLE, item, partialOk ? TRUE : FALSE);
    }
    void SetRedraw(bool redraw) const { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE); }
};
