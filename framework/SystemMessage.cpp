#include "framework/SystemMessage.h"

#include "framework/ScopedHandle.h"

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const ScopedHandle<ReleasedBy<wchar_t*, &LocalFree>> owned(buffer);
    if (length == 0 || buffer == nullptr) return std::wstring();
    return std::wstring(buffer, length);
}
