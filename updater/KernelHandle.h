// A kernel handle (file, mutex), closed with its owner.
#pragma once
#include <windows.h>

#include <memory>

struct KernelHandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using KernelHandle = std::unique_ptr<void, KernelHandleCloser>;
