#include "framework/SystemMessage.h"

#include "framework/ScopedHandle.h"

namespace {
// Memory the system allocated for the caller.
struct LocalMemoryCloser {
    using Handle = wchar_t*;
    static bool Holds(wchar_t* text) { return text != nullptr; }
    void operator()(wchar_t* text) const { LocalFree(text); }
};
}  // namespace

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const ScopedHandle<LocalMemoryCloser> owned(buffer);
    if (length == 0 || buffer == nullptr) return std::wstring();
    return std::wstring(buffer, length);
}
