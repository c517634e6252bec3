// An image list owned by its wrapper: destroyed with it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/LateLoaded.h"
#include "framework/ScopedHandle.h"

using ImageListCloser = ReleasedBy<HIMAGELIST, &late::ImageList_Destroy>;

class CImageList {
public:
    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    // Adds the icon; its image index, or -1.
    int Add(HICON icon) const { return late::ImageList_ReplaceIcon(m_images.Get(), -1, icon); }
    HIMAGELIST GetSafeHandle() const { return m_images.Get(); }

private:
    ScopedHandle<ImageListCloser> m_images;
};
