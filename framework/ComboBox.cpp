#include "framework/ComboBox.h"

void* CComboBox::GetItemDataPtr(int index) const {
    LRESULT data = SendMessage(CB_GETITEMDATA, index);
    if (data == CB_ERR) return nullptr;
    return reinterpret_cast<void*>(data);
}
