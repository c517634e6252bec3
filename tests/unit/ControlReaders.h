// Reads back what the dialogs put into their list views, headers and combo boxes: the tests ask
// these questions, the program never does.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

inline int ListItemCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

inline std::wstring ListItemText(HWND list, int item, int subItem) {
    // The control copies at most the buffer size; grow until the text is shorter.
    std::vector<wchar_t> buffer(64);
    for (;;) {
        LVITEMW entry{};
        entry.iSubItem = subItem;
        entry.pszText = buffer.data();
        entry.cchTextMax = static_cast<int>(buffer.size());
        const LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
        if (length < static_cast<LRESULT>(buffer.size()) - 1)
            return std::wstring(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

// The item's image index, or -2 when there is no such item.
inline int ListItemImage(HWND list, int item) {
    LVITEMW entry{};
    entry.mask = LVIF_IMAGE;
    entry.iItem = item;
    if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry))) return -2;
    return entry.iImage;
}

inline DWORD ListExtendedStyle(HWND list) {
    return static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

inline HIMAGELIST ListImageList(HWND list, int which) {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, which, 0));
}

inline int ListColumnWidth(HWND list, int column) {
    return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0));
}

// The header item's format flags or image index, or -1 when there is no such item.
inline int HeaderItemFormat(HWND header, int index) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.fmt;
}
inline int HeaderItemImage(HWND header, int index) {
    HDITEMW item{};
    item.mask = HDI_IMAGE;
    if (!SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage;
}

inline std::wstring ComboItemText(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
