// Fetching the list of releases: bounded in time, size and redirects, and never leaving HTTPS
// except on loopback.
#pragma once
#include <windows.h>

#include <string>

#include "updater/WebAddress.h"

class IWebClient;

inline constexpr unsigned long long kTimeLimitMs = 10000;
inline constexpr DWORD kSizeLimit = 64 * 1024;  // a list of many hundred releases
inline constexpr int kMostRedirects = 5;

struct Fetched {
    enum class Result {
        Received,
        Failed,
        Status,
        TooLarge,
        TooSlow,
        RedirectRefused,
        RedirectUnreadable,
        TooManyRedirects
    };
    Result result;
    DWORD code;              // Failed: the service's error; Status: the HTTP status
    std::wstring errorText;  // Failed: the service's text for it
    std::wstring location;   // RedirectRefused and RedirectUnreadable: where the server sent it
    std::string body;        // Received: the answer
};

Fetched FetchFile(IWebClient& web, const WebAddress& address, const std::wstring& userAgent);
