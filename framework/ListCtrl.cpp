#include "framework/ListCtrl.h"

void CHeaderCtrl::SetItemFormat(int index, int format, int image) const {
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    item.fmt = format;
    item.iImage = image;
    SendMessage(HDM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
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

void CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMW entry{};
    entry.state = state;
    entry.stateMask = mask;
    SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&entry));
}
