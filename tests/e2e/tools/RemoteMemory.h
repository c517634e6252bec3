// Memory inside another process, for the list-view messages that the system does not marshal.
#pragma once
#include <windows.h>

#include <cstddef>

class CProcessHandle {
public:
    explicit CProcessHandle(DWORD processId)
        : handle_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                  PROCESS_QUERY_INFORMATION,
                              FALSE, processId)) {}
    ~CProcessHandle() {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    CProcessHandle(const CProcessHandle&) = delete;
    CProcessHandle& operator=(const CProcessHandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

class CRemoteBuffer {
public:
    CRemoteBuffer(HANDLE process, std::size_t size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
          size_(size) {}
    ~CRemoteBuffer() {
        if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    CRemoteBuffer(const CRemoteBuffer&) = delete;
    CRemoteBuffer& operator=(const CRemoteBuffer&) = delete;

    bool Valid() const { return address_ != nullptr; }
    void* Address() const { return address_; }
    // offset and size stay inside the buffer, or nothing is copied.
    bool Write(std::size_t offset, const void* data, std::size_t size) const {
        if (offset > size_ || size > size_ - offset) return false;
        return WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                                  nullptr) != FALSE;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        if (offset > size_ || size > size_ - offset) return false;
        return ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size,
                                 nullptr) != FALSE;
    }

private:
    HANDLE process_;
    void* address_;
    std::size_t size_;
};
