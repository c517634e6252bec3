#include "framework/ComboBox.h"

void* CComboBox::GetItemDataPtr(int index) const {
    LRESULT data = SendMessage(CB_GETITEMDATA, index);
    if (data == CB_ERR) return nullptr;
    return reinterpret_cast<void*>(data);
}

std::wstring CComboBox::GetLBText(int index) const {
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR || length <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}
