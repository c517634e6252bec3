#include "framework/Icon.h"

#include "framework/WinApp.h"

CIcon::CIcon(UINT id, int cx, int cy)
    : m_icon(static_cast<HICON>(LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0))) {}
