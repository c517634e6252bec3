// Owns one kernel handle and closes it exactly once through the process seam.
#pragma once
#include <windows.h>

#include "app/ProcessServices.h"

class ScopedHandle {
public:
    ScopedHandle(IProcessServices& processes, HANDLE handle) : processes_(processes), handle_(handle) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    HANDLE Get() const { return handle_; }
    // Closes now rather than at the end of the scope; later calls do nothing.
    void Close() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) processes_.Close(handle_);
        handle_ = nullptr;
    }

private:
    IProcessServices& processes_;
    HANDLE handle_;
};
