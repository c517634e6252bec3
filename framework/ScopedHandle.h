// Owns one handle and gives it to its closer exactly once. The closer is the kind of handle:
//   struct Closer { using Handle = ...; static bool Holds(Handle); void operator()(Handle) const; };
// Holds tells a real handle from the values a failed open gives, which are never closed.
#pragma once
#include <windows.h>

template <typename Closer>
class ScopedHandle {
public:
    using Handle = typename Closer::Handle;

    explicit ScopedHandle(Handle handle = Handle(), Closer closer = Closer())
        : m_handle(handle), m_bOpen(Closer::Holds(handle)), m_closer(closer) {}
    ~ScopedHandle() { Close(); }
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;

    Handle Get() const { return m_handle; }
    // Closes now rather than at the end of the scope; later calls do nothing.
    void Close() {
        if (m_bOpen) m_closer(m_handle);
        m_bOpen = false;
        m_handle = Handle();
    }
    void Reset(Handle handle) {
        Close();
        m_handle = handle;
        m_bOpen = Closer::Holds(handle);
    }

private:
    Handle m_handle;
    bool m_bOpen;
    Closer m_closer;
};

// A kind whose failed opens give null, given back by one platform call.
template <typename Kind, auto Release>
struct ReleasedBy {
    using Handle = Kind;
    static bool Holds(Kind handle) { return handle != nullptr; }
    void operator()(Kind handle) const { Release(handle); }
};

// Kernel objects: processes, threads, files, tokens.
struct KernelHandleCloser {
    using Handle = HANDLE;
    static bool Holds(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using KernelHandle = ScopedHandle<KernelHandleCloser>;

// COM on this thread for one scope: the initialisation's result stands for the apartment, and only a
// successful one is uninitialised, by the call given.
template <typename Uninitialize>
struct ComApartmentCloser {
    using Handle = HRESULT;
    static bool Holds(HRESULT result) { return SUCCEEDED(result); }
    void operator()(HRESULT) const { uninitialize(); }
    Uninitialize uninitialize;
};
template <typename Uninitialize>
ComApartmentCloser(Uninitialize) -> ComApartmentCloser<Uninitialize>;
