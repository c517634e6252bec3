#include "framework/Icon.h"

#include "framework/WinApp.h"

CIcon::CIcon(UINT id, int cx, int cy)
    : m_hIcon(static_cast<HICON>(LoadImageW(AppInstance(), MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, 0))) {}

CIcon::~CIcon() {
    if (m_hIcon != nullptr) DestroyIcon(m_hIcon);
}
