// An icon loaded at a size of the caller's choice, destroyed with its owner.
#pragma once
#include <windows.h>

class CIcon {
public:
    // Icon resource id of the program's module at cx by cy pixels (0, 0: the resource's own size).
    CIcon(UINT id, int cx, int cy);
    ~CIcon();
    CIcon(const CIcon&) = delete;
    CIcon& operator=(const CIcon&) = delete;
    HICON Get() const { return m_hIcon; }

private:
    HICON m_hIcon;
};
