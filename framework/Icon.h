// An icon loaded at a size of the caller's choice, destroyed with its owner.
#pragma once
#include <windows.h>

#include "framework/ScopedHandle.h"

using IconCloser = ReleasedBy<HICON, &DestroyIcon>;

class CIcon {
public:
    // Icon resource id of the program's module at cx by cy pixels (0, 0: the resource's own size).
    CIcon(UINT id, int cx, int cy);
    HICON Get() const { return m_icon.Get(); }

private:
    ScopedHandle<IconCloser> m_icon;
};
