// The web client over WinHTTP. WinHTTP is not one of the DLLs that Windows always takes from its
// system folder, so a winhttp.dll beside the updater would run if it were imported: it is loaded
// from the system folder by full path instead.
#pragma once
#include <windows.h>
#include <winhttp.h>

#include <memory>

#include "framework/SystemLibrary.h"
#include "updater/WebClient.h"

class WinHttpClient : public IWebClient {
public:
    WinHttpClient();
    DWORD Send(const WebAddress& address, const std::wstring& userAgent, DWORD timeout) override;
    DWORD Status() override;
    std::wstring Location() override;
    DWORD Read(std::string& body, DWORD most) override;
    std::wstring ErrorText(DWORD error) override;
    ULONGLONG Milliseconds() override;

private:
    struct Closer {
        decltype(&::WinHttpCloseHandle) close;
        void operator()(void* handle) const { close(handle); }
    };
    using Handle = std::unique_ptr<void, Closer>;
    Handle Own(HINTERNET handle) const { return Handle(handle, Closer{m_close}); }

    SystemLibrary m_library;
    decltype(&::WinHttpOpen) m_open;
    decltype(&::WinHttpCloseHandle) m_close;
    decltype(&::WinHttpSetTimeouts) m_setTimeouts;
    decltype(&::WinHttpConnect) m_connect;
    decltype(&::WinHttpOpenRequest) m_openRequest;
    decltype(&::WinHttpSetOption) m_setOption;
    decltype(&::WinHttpSendRequest) m_sendRequest;
    decltype(&::WinHttpReceiveResponse) m_receiveResponse;
    decltype(&::WinHttpQueryHeaders) m_queryHeaders;
    decltype(&::WinHttpReadData) m_readData;
    // Declared in the order they are closed in reverse.
    Handle m_session, m_connection, m_request;
};
