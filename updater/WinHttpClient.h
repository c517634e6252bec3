// The web client over WinHTTP: the user's proxy, TLS 1.2 and later, reads of what has arrived,
// and a cancel from another thread.
#pragma once
#include <memory>
#include <mutex>

#include "framework/ScopedHandle.h"
#include "updater/WebClient.h"
#include "updater/WinHttpApi.h"

class WinHttpClient : public IWebClient {
public:
    explicit WinHttpClient(std::unique_ptr<IWinHttp> api);
    DWORD Send(const WebAddress& address, const std::wstring& userAgent, DWORD timeout) override;
    DWORD Status() override;
    std::wstring Location() override;
    DWORD Read(std::string& body, DWORD limit) override;
    std::wstring ErrorText(DWORD error) override;
    ULONGLONG Milliseconds() override;
    void Cancel() override;

private:
    struct Closer {
        using Handle = HINTERNET;
        static bool Holds(HINTERNET handle) { return handle != nullptr; }
        void operator()(HINTERNET handle) const { api->CloseHandle(handle); }
        IWinHttp* api;
    };
    using Handle = ScopedHandle<Closer>;

    // Takes a handle just opened into slot, or closes it at once when Cancel came first. 0, or why
    // there is none.
    DWORD Keep(Handle& slot, HINTERNET opened);
    // The handle in slot, read under the lock; null once cancelled.
    HINTERNET Current(const Handle& slot);
    DWORD OpenSession(const WebAddress& address, const std::wstring& userAgent, ProxyFound& proxy);

    // Declared first so that it outlives the handles it closes.
    std::unique_ptr<IWinHttp> m_api;
    // Cancel closes the handles from another thread while a call may be pending on one of them.
    std::mutex m_lock;
    bool m_cancelled = false;
    // Declared in the order they are closed in reverse.
    Handle m_session, m_connection, m_request;
};
