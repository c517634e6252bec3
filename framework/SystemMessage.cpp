#include "framework/SystemMessage.h"

#include <memory>

namespace {
struct LocalFreer {
    void operator()(wchar_t* text) const { LocalFree(text); }
};
}  // namespace

std::wstring SystemErrorText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreer> owned(buffer);
    if (length == 0 || buffer == nullptr) return std::wstring();
    return std::wstring(buffer, length);
}
