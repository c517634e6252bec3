// Owns one kernel handle and closes it exactly once through the process seam.
#pragma once
#include <windows.h>

#include "app/ProcessServices.h"

class ScopedHandle {
public:
    ScopedHandle(IProcessServices& processes, HANDLE handle) : m_processes(processes), m_hHandle(handle) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return m_hHandle; }
    // Closes now rather than at the end of the scope; later calls do nothing.
    void Close() {
        if (m_hHandle != nullptr && m_hHandle != INVALID_HANDLE_VALUE) m_processes.Close(m_hHandle);
        m_hHandle = nullptr;
    }

private:
    IProcessServices& m_processes;
    HANDLE m_hHandle;
};
