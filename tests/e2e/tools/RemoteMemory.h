// Memory inside another process, for the list-view messages that the system does not marshal.
#pragma once
#include <windows.h>

#include <cstddef>

class CProcessHandle {
public:
    explicit CProcessHandle(DWORD processId)
        : m_hProcess(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                                 FALSE, processId)) {}
    ~CProcessHandle() {
        if (m_hProcess != nullptr) CloseHandle(m_hProcess);
    }
    CProcessHandle(const CProcessHandle&) = delete;
    CProcessHandle& operator=(const CProcessHandle&) = delete;
    HANDLE Get() const { return m_hProcess; }

private:
    HANDLE m_hProcess;
};

class CRemoteBuffer {
public:
    CRemoteBuffer(HANDLE process, std::size_t size)
        : m_hProcess(process),
          m_pAddress(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
          m_nSize(size) {}
    ~CRemoteBuffer() {
        if (m_pAddress != nullptr) VirtualFreeEx(m_hProcess, m_pAddress, 0, MEM_RELEASE);
    }
    CRemoteBuffer(const CRemoteBuffer&) = delete;
    CRemoteBuffer& operator=(const CRemoteBuffer&) = delete;

    bool Valid() const { return m_pAddress != nullptr; }
    void* Address() const { return m_pAddress; }
    // offset and size stay inside the buffer, or nothing is copied.
    bool Write(std::size_t offset, const void* data, std::size_t size) const {
        if (offset > m_nSize || size > m_nSize - offset) return false;
        return WriteProcessMemory(m_hProcess, static_cast<char*>(m_pAddress) + offset, data, size, nullptr) != FALSE;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        if (offset > m_nSize || size > m_nSize - offset) return false;
        return ReadProcessMemory(m_hProcess, static_cast<char*>(m_pAddress) + offset, data, size, nullptr) != FALSE;
    }

private:
    HANDLE m_hProcess;
    void* m_pAddress;
    std::size_t m_nSize;
};
