// The system's HTTP service, one GET at a time, behind a seam.
#pragma once
#include <windows.h>

#include <string>

#include "updater/WebAddress.h"

class IWebClient {
public:
    virtual ~IWebClient() = default;
    // Sends a GET whose only header of the updater's own is the user agent, and waits for the
    // answer's headers; redirects are not followed. Each wait ends after timeout milliseconds.
    // 0, or the service's error code.
    virtual DWORD Send(const WebAddress& address, const std::wstring& userAgent, DWORD timeout) = 0;
    // The answer's HTTP status, and its Location header (empty when it has none).
    virtual DWORD Status() = 0;
    virtual std::wstring Location() = 0;
    // Appends what has arrived of the answer's body, at most limit bytes, waiting only until
    // something arrives; appends nothing at its end. 0, or an error code.
    virtual DWORD Read(std::string& body, DWORD limit) = 0;
    // The service's text for one of its error codes; empty when it has none.
    virtual std::wstring ErrorText(DWORD error) = 0;
    // A millisecond tick count.
    virtual ULONGLONG Milliseconds() = 0;
    // From another thread: ends the pending call at once, and every call after it fails.
    virtual void Cancel() = 0;
};
