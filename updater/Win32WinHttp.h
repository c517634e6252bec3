// WinHTTP itself. It is not one of the DLLs that Windows always takes from its system folder, so a
// winhttp.dll beside the updater would run if it were imported: it is loaded from the system
// folder by full path, each export looked up when called, as the program's late libraries are.
// The library stays loaded as long as this object, which a check still running on its own thread
// shares.
#pragma once
#include "framework/SystemLibrary.h"
#include "updater/WinHttpApi.h"

class Win32WinHttp : public IWinHttp {
public:
    Win32WinHttp();
    HINTERNET Open(const wchar_t* userAgent, DWORD accessType) override;
    BOOL CloseHandle(HINTERNET handle) override;
    BOOL SetTimeouts(HINTERNET session, int resolve, int connect, int send, int receive) override;
    BOOL SetOption(HINTERNET handle, DWORD option, void* value, DWORD size) override;
    HINTERNET Connect(HINTERNET session, const wchar_t* host, INTERNET_PORT port) override;
    HINTERNET OpenRequest(HINTERNET connection, const wchar_t* path, DWORD flags) override;
    BOOL SendRequest(HINTERNET request) override;
    BOOL ReceiveResponse(HINTERNET request) override;
    BOOL QueryHeaders(HINTERNET request, DWORD infoLevel, void* buffer, DWORD* size) override;
    BOOL QueryDataAvailable(HINTERNET request, DWORD* available) override;
    BOOL ReadData(HINTERNET request, void* buffer, DWORD size, DWORD* read) override;
    BOOL GetUserProxySettings(UserProxySettings& settings) override;
    BOOL GetProxyForUrl(HINTERNET session, const wchar_t* url, WINHTTP_AUTOPROXY_OPTIONS* options,
                        ProxyFound& found) override;
    DWORD LastError() override;
    std::wstring ErrorText(DWORD error) override;
    ULONGLONG Milliseconds() override;

private:
    SystemLibrary m_library;
};
