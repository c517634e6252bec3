// Shows the wait cursor for the lifetime of the object and puts the previous cursor back.
#pragma once
#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor() : m_hPrevious(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { SetCursor(m_hPrevious); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_hPrevious;
};
