#include "updater/Win32WinHttp.h"

#include "framework/ScopedHandle.h"

namespace {

template <typename Result>
Result Missing(Result failure) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return failure;
}

// The strings WinHTTP allocates for its proxy answers.
using GlobalText = ScopedHandle<ReleasedBy<wchar_t*, &GlobalFree>>;

std::wstring TextOf(const GlobalText& text) { return text.Get() ? std::wstring(text.Get()) : std::wstring(); }

}  // namespace

Win32WinHttp::Win32WinHttp() : m_library(L"winhttp.dll") {}

HINTERNET Win32WinHttp::Open(const wchar_t* userAgent, DWORD accessType) {
    const auto call = m_library.Find<decltype(&::WinHttpOpen)>("WinHttpOpen");
    return call != nullptr ? call(userAgent, accessType, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0)
                           : Missing<HINTERNET>(nullptr);
}

BOOL Win32WinHttp::CloseHandle(HINTERNET handle) {
    const auto call = m_library.Find<decltype(&::WinHttpCloseHandle)>("WinHttpCloseHandle");
    return call != nullptr ? call(handle) : Missing(FALSE);
}

BOOL Win32WinHttp::SetTimeouts(HINTERNET session, int resolve, int connect, int send, int receive) {
    const auto call = m_library.Find<decltype(&::WinHttpSetTimeouts)>("WinHttpSetTimeouts");
    return call != nullptr ? call(session, resolve, connect, send, receive) : Missing(FALSE);
}

BOOL Win32WinHttp::SetOption(HINTERNET handle, DWORD option, void* value, DWORD size) {
    const auto call = m_library.Find<decltype(&::WinHttpSetOption)>("WinHttpSetOption");
    return call != nullptr ? call(handle, option, value, size) : Missing(FALSE);
}

HINTERNET Win32WinHttp::Connect(HINTERNET session, const wchar_t* host, INTERNET_PORT port) {
    const auto call = m_library.Find<decltype(&::WinHttpConnect)>("WinHttpConnect");
    return call != nullptr ? call(session, host, port, 0) : Missing<HINTERNET>(nullptr);
}

HINTERNET Win32WinHttp::OpenRequest(HINTERNET connection, const wchar_t* path, DWORD flags) {
    const auto call = m_library.Find<decltype(&::WinHttpOpenRequest)>("WinHttpOpenRequest");
    return call != nullptr
               ? call(connection, L"GET", path, nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, flags)
               : Missing<HINTERNET>(nullptr);
}

BOOL Win32WinHttp::SendRequest(HINTERNET request) {
    const auto call = m_library.Find<decltype(&::WinHttpSendRequest)>("WinHttpSendRequest");
    return call != nullptr ? call(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)
                           : Missing(FALSE);
}

BOOL Win32WinHttp::ReceiveResponse(HINTERNET request) {
    const auto call = m_library.Find<decltype(&::WinHttpReceiveResponse)>("WinHttpReceiveResponse");
    return call != nullptr ? call(request, nullptr) : Missing(FALSE);
}

BOOL Win32WinHttp::QueryHeaders(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* size) {
    const auto call = m_library.Find<decltype(&::WinHttpQueryHeaders)>("WinHttpQueryHeaders");
    return call != nullptr
               ? call(request, infoLevel, WINHTTP_HEADER_NAME_BY_INDEX, buffer, size, WINHTTP_NO_HEADER_INDEX)
               : Missing(FALSE);
}

BOOL Win32WinHttp::QueryDataAvailable(HINTERNET request, DWORD* available) {
    const auto call = m_library.Find<decltype(&::WinHttpQueryDataAvailable)>("WinHttpQueryDataAvailable");
    return call != nullptr ? call(request, available) : Missing(FALSE);
}

BOOL Win32WinHttp::ReadData(HINTERNET request, void* buffer, DWORD size, DWORD* read) {
    const auto call = m_library.Find<decltype(&::WinHttpReadData)>("WinHttpReadData");
    return call != nullptr ? call(request, buffer, size, read) : Missing(FALSE);
}

BOOL Win32WinHttp::GetUserProxySettings(UserProxySettings& settings) {
    const auto call =
        m_library.Find<decltype(&::WinHttpGetIEProxyConfigForCurrentUser)>("WinHttpGetIEProxyConfigForCurrentUser");
    if (call == nullptr) return Missing(FALSE);
    WINHTTP_CURRENT_USER_IE_PROXY_CONFIG config{};
    if (!call(&config)) return FALSE;
    const GlobalText autoConfigUrl(config.lpszAutoConfigUrl), proxy(config.lpszProxy), bypass(config.lpszProxyBypass);
    settings = {config.fAutoDetect != FALSE, TextOf(autoConfigUrl), TextOf(proxy), TextOf(bypass)};
    return TRUE;
}

BOOL Win32WinHttp::GetProxyForUrl(HINTERNET session, const wchar_t* url, WINHTTP_AUTOPROXY_OPTIONS* options,
                                  ProxyFound& found) {
    const auto call = m_library.Find<decltype(&::WinHttpGetProxyForUrl)>("WinHttpGetProxyForUrl");
    if (call == nullptr) return Missing(FALSE);
    WINHTTP_PROXY_INFO info{};
    if (!call(session, url, options, &info)) return FALSE;
    const GlobalText proxy(info.lpszProxy), bypass(info.lpszProxyBypass);
    found = {info.dwAccessType, TextOf(proxy), TextOf(bypass)};
    return TRUE;
}

DWORD Win32WinHttp::LastError() { return GetLastError(); }

std::wstring Win32WinHttp::ErrorText(DWORD error) {
    // WinHTTP's own codes are in its message table, the others in the system's.
    HMODULE module = nullptr;
    const auto open = m_library.Find<decltype(&::WinHttpOpen)>("WinHttpOpen");
    if (open != nullptr) {
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(reinterpret_cast<void (*)()>(open)), &module);
    }
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                                            FORMAT_MESSAGE_FROM_SYSTEM | (module ? FORMAT_MESSAGE_FROM_HMODULE : 0),
                                        module, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const ScopedHandle<ReleasedBy<wchar_t*, &LocalFree>> owned(buffer);
    return length != 0 && buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
}

ULONGLONG Win32WinHttp::Milliseconds() { return GetTickCount64(); }
