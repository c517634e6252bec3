// WinHTTP's calls as the web client makes them, behind a seam. Each fails as WinHTTP's own does;
// LastError then gives the reason.
#pragma once
#include <windows.h>
#include <winhttp.h>

#include <string>

// The current user's proxy settings (Internet Options), as WinHttpGetIEProxyConfigForCurrentUser
// gives them.
struct UserProxySettings {
    bool autoDetect;
    std::wstring autoConfigUrl;
    std::wstring proxy;   // "host:port" entries, or empty for none
    std::wstring bypass;  // hosts that go direct
};

// What WinHttpGetProxyForUrl found for one address.
struct ProxyFound {
    DWORD accessType;  // WINHTTP_ACCESS_TYPE_NAMED_PROXY, or NO_PROXY for direct
    std::wstring proxy;
    std::wstring bypass;
};

class IWinHttp {
public:
    virtual ~IWinHttp() = default;
    virtual HINTERNET Open(const wchar_t* userAgent, DWORD accessType) = 0;
    virtual BOOL CloseHandle(HINTERNET handle) = 0;
    virtual BOOL SetTimeouts(HINTERNET session, int resolve, int connect, int send, int receive) = 0;
    virtual BOOL SetOption(HINTERNET handle, DWORD option, void* value, DWORD size) = 0;
    virtual HINTERNET Connect(HINTERNET session, const wchar_t* host, INTERNET_PORT port) = 0;
    // A GET of path, with the default accept types and no referrer.
    virtual HINTERNET OpenRequest(HINTERNET connection, const wchar_t* path, DWORD flags) = 0;
    // Without headers or data of its own.
    virtual BOOL SendRequest(HINTERNET request) = 0;
    virtual BOOL ReceiveResponse(HINTERNET request) = 0;
    // A header by its info level; buffer may be null to ask for the size.
    virtual BOOL QueryHeaders(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* size) = 0;
    virtual BOOL QueryDataAvailable(HINTERNET request, DWORD* available) = 0;
    virtual BOOL ReadData(HINTERNET request, void* buffer, DWORD size, DWORD* read) = 0;
    virtual BOOL GetUserProxySettings(UserProxySettings& settings) = 0;
    virtual BOOL GetProxyForUrl(HINTERNET session, const wchar_t* url, WINHTTP_AUTOPROXY_OPTIONS* options,
                                ProxyFound& found) = 0;
    virtual DWORD LastError() = 0;
    // The system's text for an error code of WinHTTP's or the system's; empty when it has none.
    virtual std::wstring ErrorText(DWORD error) = 0;
    // A millisecond tick count.
    virtual ULONGLONG Milliseconds() = 0;
};
