// Fetching the list of releases: bounded in time, size and redirects, and never leaving HTTPS
// except on loopback.
#pragma once
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

#include "updater/WebAddress.h"

class IWebClient;

inline constexpr unsigned long long kTimeLimitMs = 10000;
inline constexpr DWORD kSizeLimit = 64 * 1024;  // a list of many hundred releases
inline constexpr int kMostRedirects = 5;
// Each of the system's own waits gets the time left and this much more: the limit, not one of those
// waits, ends a stalled check, with the same answer whichever stage stalls.
inline constexpr DWORD kWaitBeyondLimitMs = 2000;

struct Fetched {
    enum class Kind {
        Received,
        Failed,
        Status,
        TooLarge,
        TooSlow,
        RedirectRefused,
        RedirectToLocal,
        RedirectUnreadable,
        TooManyRedirects
    };
    Kind kind;
    DWORD code;              // Failed: the service's error; Status: the HTTP status
    std::wstring errorText;  // Failed: the service's text for it
    std::wstring location;   // the redirects refused or unreadable: where the server sent it
    std::string body;        // Received: the answer
};

Fetched FetchFile(IWebClient& web, const WebAddress& address, const std::wstring& userAgent);

// FetchFile on a thread of its own, waited for until the limit and no longer: no server can stretch
// it, whatever it sends or keeps back. Past the limit the client's pending call is cancelled and
// the fetch is TooSlow; the thread keeps the client until it ends.
Fetched FetchWithin(const std::shared_ptr<IWebClient>& web, const WebAddress& address, const std::wstring& userAgent,
                    std::chrono::milliseconds limit);
