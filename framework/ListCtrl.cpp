#include "framework/ListCtrl.h"

#include <vector>

void CHeaderCtrl::SetItemFormat(int index, int format, int image) const {
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = format;
    item.iImage = image;
    SendMessage(HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

int CHeaderCtrl::GetItemFormat(int index) const {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    if (!SendMessage(HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.fmt;
}

int CHeaderCtrl::GetItemImage(int index) const {
    HDITEMW item{};
    item.mask = HDI_IMAGE;
    if (!SendMessage(HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&item))) return -1;
    return item.iImage;
}

int CListCtrl::InsertColumn(int index, const std::wstring& title, int format, int width) const {
    std::wstring text = title;
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = width;
    column.pszText = &text[0];
    column.iSubItem = index;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column)));
}

int CListCtrl::InsertItem(int index, const std::wstring& text, int image) const {
    std::wstring copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = &copy[0];
    item.iImage = image;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListCtrl::SetItemText(int item, int subItem, const std::wstring& text) const {
    std::wstring copy = text;
    LVITEMW entry{};
    entry.iSubItem = subItem;
    entry.pszText = &copy[0];
    SendMessage(LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
}

std::wstring CListCtrl::GetItemText(int item, int subItem) const {
    // The control copies at most the buffer size; grow until the text is shorter.
    std::vector<wchar_t> buffer(64);
    for (;;) {
        LVITEMW entry{};
        entry.iSubItem = subItem;
        entry.pszText = buffer.data();
        entry.cchTextMax = static_cast<int>(buffer.size());
        LRESULT length = SendMessage(LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&entry));
        if (length < static_cast<LRESULT>(buffer.size()) - 1) return std::wstring(buffer.data(), static_cast<size_t>(length));
        buffer.resize(buffer.size() * 2);
    }
}

void CListCtrl::SetItemData(int item, LPARAM data) const {
    LVITEMW entry{};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    entry.lParam = data;
    SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

LPARAM CListCtrl::GetItemData(int item) const {
    LVITEMW entry{};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    if (!SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry))) return 0;
    return entry.lParam;
}

int CListCtrl::GetItemImage(int item) const {
    LVITEMW entry{};
    entry.mask = LVIF_IMAGE;
    entry.iItem = item;
    if (!SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry))) return -2;
    return entry.iImage;
}

void CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMW entry{};
    entry.state = state;
    entry.stateMask = mask;
    SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&entry));
}
