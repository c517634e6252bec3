// An image list owned by its wrapper: destroyed with it.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/LateLoaded.h"

class CImageList {
public:
    CImageList() = default;
    ~CImageList() { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    // Adds the icon; its image index, or -1.
    int Add(HICON icon) const { return late::ImageList_ReplaceIcon(m_hImageList, -1, icon); }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    void DeleteImageList();

private:
    HIMAGELIST m_hImageList = nullptr;
};
