#include "updater/WinHttpClient.h"

#include <algorithm>
#include <vector>

namespace {

// What one read takes at most; the answer's size limit is the caller's.
const DWORD kReadChunk = 16384;

}  // namespace

WinHttpClient::WinHttpClient(std::unique_ptr<IWinHttp> api)
    : m_api(std::move(api)),
      m_session(nullptr, Closer{m_api.get()}),
      m_connection(nullptr, Closer{m_api.get()}),
      m_request(nullptr, Closer{m_api.get()}) {}

DWORD WinHttpClient::Keep(Handle& slot, HINTERNET opened) {
    const DWORD error = opened == nullptr ? m_api->LastError() : 0;
    const std::lock_guard<std::mutex> lock(m_lock);
    if (m_cancelled) {
        const Handle discarded(opened, Closer{m_api.get()});
        return ERROR_WINHTTP_OPERATION_CANCELLED;
    }
    if (opened == nullptr) return error;
    slot.Reset(opened);
    return 0;
}

HINTERNET WinHttpClient::Current(const Handle& slot) {
    const std::lock_guard<std::mutex> lock(m_lock);
    return slot.Get();
}

DWORD WinHttpClient::OpenSession(const WebAddress& address, const std::wstring& userAgent, ProxyFound& proxy) {
    proxy = {WINHTTP_ACCESS_TYPE_NO_PROXY, L"", L""};
    // No proxy can reach this computer's loopback interface.
    if (IsLoopbackHost(address.host)) {
        return Keep(m_session, m_api->Open(userAgent.c_str(), WINHTTP_ACCESS_TYPE_NO_PROXY));
    }
    // Windows 8.1 and later find the user's proxy themselves, automatic configuration included.
    if (Keep(m_session, m_api->Open(userAgent.c_str(), WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY)) == 0) return 0;
    // Earlier ones refuse that and know only the machine-wide proxy: the user's settings are read
    // here and given to the request.
    const DWORD error = Keep(m_session, m_api->Open(userAgent.c_str(), WINHTTP_ACCESS_TYPE_NO_PROXY));
    if (error != 0) return error;
    UserProxySettings user{};
    if (!m_api->GetUserProxySettings(user)) return 0;
    if (user.autoDetect || !user.autoConfigUrl.empty()) {
        WINHTTP_AUTOPROXY_OPTIONS options{};
        options.dwFlags = (user.autoDetect ? WINHTTP_AUTOPROXY_AUTO_DETECT : 0) |
                          (user.autoConfigUrl.empty() ? 0 : WINHTTP_AUTOPROXY_CONFIG_URL);
        options.dwAutoDetectFlags =
            user.autoDetect ? WINHTTP_AUTO_DETECT_TYPE_DHCP | WINHTTP_AUTO_DETECT_TYPE_DNS_A : 0;
        options.lpszAutoConfigUrl = user.autoConfigUrl.empty() ? nullptr : user.autoConfigUrl.c_str();
        // No credential leaves for the configuration script either.
        options.fAutoLogonIfChallenged = FALSE;
        if (m_api->GetProxyForUrl(Current(m_session), WebAddressText(address).c_str(), &options, proxy)) return 0;
    }
    // Where automatic configuration finds nothing, browsers fall back to the proxy set by hand.
    if (!user.proxy.empty()) proxy = {WINHTTP_ACCESS_TYPE_NAMED_PROXY, user.proxy, user.bypass};
    return 0;
}

DWORD WinHttpClient::Send(const WebAddress& address, const std::wstring& userAgent, DWORD timeout) {
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        m_request.Close();
        m_connection.Close();
        m_session.Close();
    }
    ProxyFound proxy{};
    DWORD error = OpenSession(address, userAgent, proxy);
    if (error != 0) return error;
    const HINTERNET session = Current(m_session);
    // Windows 7 leaves TLS 1.2 out unless asked, and many hosts take nothing older. Where Windows
    // does not know TLS 1.3, or the option at all (Windows 7 without its TLS update), its own
    // defaults stay: refusing to ask would help no one.
    DWORD protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3;
    if (!m_api->SetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof(protocols))) {
        protocols = WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2;
        m_api->SetOption(session, WINHTTP_OPTION_SECURE_PROTOCOLS, &protocols, sizeof(protocols));
    }
    const int wait = static_cast<int>(timeout);
    if (!m_api->SetTimeouts(session, wait, wait, wait, wait)) return m_api->LastError();
    error = Keep(m_connection, m_api->Connect(session, address.host.c_str(), static_cast<INTERNET_PORT>(address.port)));
    if (error != 0) return error;
    error = Keep(m_request, m_api->OpenRequest(Current(m_connection), address.path.c_str(),
                                               address.secure ? WINHTTP_FLAG_SECURE : 0));
    if (error != 0) return error;
    const HINTERNET request = Current(m_request);
    // Redirects are the caller's to judge; no cookie or credential leaves with the request.
    DWORD features = WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_COOKIES | WINHTTP_DISABLE_AUTHENTICATION;
    if (!m_api->SetOption(request, WINHTTP_OPTION_DISABLE_FEATURE, &features, sizeof(features))) {
        return m_api->LastError();
    }
    // The wait for the answer's headers has a limit of its own, 90 s unless set.
    DWORD headersWait = timeout;
    if (!m_api->SetOption(request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, &headersWait, sizeof(headersWait))) {
        return m_api->LastError();
    }
    if (proxy.accessType == WINHTTP_ACCESS_TYPE_NAMED_PROXY) {
        WINHTTP_PROXY_INFO info{WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxy.proxy.data(),
                                proxy.bypass.empty() ? nullptr : proxy.bypass.data()};
        if (!m_api->SetOption(request, WINHTTP_OPTION_PROXY, &info, sizeof(info))) return m_api->LastError();
    }
    if (!m_api->SendRequest(request) || !m_api->ReceiveResponse(request)) return m_api->LastError();
    return 0;
}

DWORD WinHttpClient::Status() {
    DWORD status = 0, size = sizeof(status);
    if (!m_api->QueryHeaders(Current(m_request), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, &status,
                             &size)) {
        return 0;
    }
    return status;
}

std::wstring WinHttpClient::Location() {
    const HINTERNET request = Current(m_request);
    DWORD size = 0;
    if (m_api->QueryHeaders(request, WINHTTP_QUERY_LOCATION, nullptr, &size) ||
        m_api->LastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) {
        return std::wstring();
    }
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1);
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (!m_api->QueryHeaders(request, WINHTTP_QUERY_LOCATION, text.data(), &size)) return std::wstring();
    return std::wstring(text.data(), std::min<size_t>(size / sizeof(wchar_t), text.size()));
}

DWORD WinHttpClient::Read(std::string& body, DWORD limit) {
    // A read of a given size waits until that much has come or the answer is complete, and its
    // time-out counts per packet: a server that drips would hold it for ever. Only what has
    // already arrived is read.
    const HINTERNET request = Current(m_request);
    DWORD available = 0;
    if (!m_api->QueryDataAvailable(request, &available)) return m_api->LastError();
    const DWORD size = std::min({available, limit, kReadChunk});
    if (size == 0) return 0;
    std::vector<char> chunk(size);
    DWORD read = 0;
    if (!m_api->ReadData(request, chunk.data(), size, &read)) return m_api->LastError();
    body.append(chunk.data(), std::min(read, size));
    return 0;
}

std::wstring WinHttpClient::ErrorText(DWORD error) { return m_api->ErrorText(error); }

ULONGLONG WinHttpClient::Milliseconds() { return m_api->Milliseconds(); }

void WinHttpClient::Cancel() {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_cancelled = true;
    m_request.Close();
    m_connection.Close();
    m_session.Close();
}
