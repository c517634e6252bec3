#include "updater/WinHttpClient.h"

#include <vector>

WinHttpClient::WinHttpClient()
    : m_library(L"winhttp.dll"),
      m_open(m_library.Find<decltype(&::WinHttpOpen)>("WinHttpOpen")),
      m_close(m_library.Find<decltype(&::WinHttpCloseHandle)>("WinHttpCloseHandle")),
      m_setTimeouts(m_library.Find<decltype(&::WinHttpSetTimeouts)>("WinHttpSetTimeouts")),
      m_connect(m_library.Find<decltype(&::WinHttpConnect)>("WinHttpConnect")),
      m_openRequest(m_library.Find<decltype(&::WinHttpOpenRequest)>("WinHttpOpenRequest")),
      m_setOption(m_library.Find<decltype(&::WinHttpSetOption)>("WinHttpSetOption")),
      m_sendRequest(m_library.Find<decltype(&::WinHttpSendRequest)>("WinHttpSendRequest")),
      m_receiveResponse(m_library.Find<decltype(&::WinHttpReceiveResponse)>("WinHttpReceiveResponse")),
      m_queryHeaders(m_library.Find<decltype(&::WinHttpQueryHeaders)>("WinHttpQueryHeaders")),
      m_readData(m_library.Find<decltype(&::WinHttpReadData)>("WinHttpReadData")),
      m_session(nullptr, Closer{m_close}),
      m_connection(nullptr, Closer{m_close}),
      m_request(nullptr, Closer{m_close}) {}

DWORD WinHttpClient::Send(const WebAddress& address, const std::wstring& userAgent, DWORD timeout) {
    m_request.reset();
    m_connection.reset();
    m_session.reset();
    if (!m_open || !m_close || !m_setTimeouts || !m_connect || !m_openRequest || !m_setOption || !m_sendRequest ||
        !m_receiveResponse || !m_queryHeaders || !m_readData) {
        return ERROR_MOD_NOT_FOUND;
    }
    // No proxy can reach this computer's loopback interface.
    const DWORD access =
        IsLoopbackHost(address.host) ? WINHTTP_ACCESS_TYPE_NO_PROXY : WINHTTP_ACCESS_TYPE_DEFAULT_PROXY;
    m_session = Own(m_open(userAgent.c_str(), access, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (!m_session) return GetLastError();
    const int wait = static_cast<int>(timeout);
    if (!m_setTimeouts(m_session.get(), wait, wait, wait, wait)) return GetLastError();
    m_connection = Own(m_connect(m_session.get(), address.host.c_str(), static_cast<INTERNET_PORT>(address.port), 0));
    if (!m_connection) return GetLastError();
    m_request = Own(m_openRequest(m_connection.get(), L"GET", address.path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                  WINHTTP_DEFAULT_ACCEPT_TYPES, address.secure ? WINHTTP_FLAG_SECURE : 0));
    if (!m_request) return GetLastError();
    // Redirects are the caller's to judge; no cookie or credential leaves with the request.
    DWORD features = WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_COOKIES | WINHTTP_DISABLE_AUTHENTICATION;
    if (!m_setOption(m_request.get(), WINHTTP_OPTION_DISABLE_FEATURE, &features, sizeof(features))) {
        return GetLastError();
    }
    // The wait for the answer's headers has a limit of its own, 90 s unless set.
    DWORD headersWait = timeout;
    if (!m_setOption(m_request.get(), WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headersWait, sizeof(headersWait))) {
        return GetLastError();
    }
    if (!m_sendRequest(m_request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)) {
        return GetLastError();
    }
    if (!m_receiveResponse(m_request.get(), nullptr)) return GetLastError();
    return 0;
}

DWORD WinHttpClient::Status() {
    DWORD status = 0, size = sizeof(status);
    if (!m_request || !m_queryHeaders(m_request.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                      WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
        return 0;
    }
    return status;
}

std::wstring WinHttpClient::Location() {
    DWORD size = 0;
    if (!m_request) return std::wstring();
    m_queryHeaders(m_request.get(), WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER,
                   &size, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return std::wstring();
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (!m_queryHeaders(m_request.get(), WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &size,
                        WINHTTP_NO_HEADER_INDEX)) {
        return std::wstring();
    }
    return std::wstring(text.data(), size / sizeof(wchar_t));
}

DWORD WinHttpClient::Read(std::string& body, DWORD most) {
    std::vector<char> chunk(most < 16384 ? most : 16384);
    DWORD read = 0;
    if (!m_request || !m_readData(m_request.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read)) {
        return GetLastError();
    }
    body.append(chunk.data(), read);
    return 0;
}

std::wstring WinHttpClient::ErrorText(DWORD error) {
    // WinHTTP's own codes are in its message table, the others in the system's.
    HMODULE module = nullptr;
    if (m_open != nullptr) {
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(reinterpret_cast<void (*)()>(m_open)), &module);
    }
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                                            FORMAT_MESSAGE_FROM_SYSTEM | (module ? FORMAT_MESSAGE_FROM_HMODULE : 0),
                                        module, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&LocalFree)> owned(buffer, &LocalFree);
    return length != 0 && buffer != nullptr ? std::wstring(buffer, length) : std::wstring();
}

ULONGLONG WinHttpClient::Milliseconds() { return GetTickCount64(); }
