#include "framework/ImageList.h"

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) {
    m_images.Reset(late::ImageList_Create(cx, cy, flags, initial, grow));
    return m_images.Get() != nullptr;
}
