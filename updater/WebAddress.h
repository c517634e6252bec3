// Web addresses as the updater reads them: strict, and only the kinds it is willing to ask.
#pragma once
#include <optional>
#include <string>

struct WebAddress {
    bool secure;        // https rather than http
    std::wstring host;  // a name or an IPv4 address; an IPv6 address without its brackets
    unsigned port;
    std::wstring path;  // from its first "/" on, query included, fragment dropped; "/" when none
};

// "http(s)://host[:port][/path]" in printable ASCII; no user information, no blanks.
std::optional<WebAddress> ParseWebAddress(const std::wstring& text);

// "scheme://host[:port]path" again, the way the updater shows and asks it.
std::wstring WebAddressText(const WebAddress& address);

// 127.0.0.0/8 written as four plain decimal numbers, or ::1. Names are not: the resolver may send
// "localhost" anywhere.
bool IsLoopbackHost(const std::wstring& host);

// Where a redirect leads from base: an absolute address or a path on the same server.
std::optional<WebAddress> RedirectTarget(const WebAddress& base, const std::wstring& location);

// Plain HTTP crosses no network only on the loopback interface, so anything else must be HTTPS;
// plain HTTP to loopback is followed only from loopback.
bool MayAsk(const WebAddress& address);
bool MayFollow(const WebAddress& from, const WebAddress& to);

// Addresses written as numbers that lead to this computer or its network: loopback, private,
// link-local and unspecified ones, IPv4 and IPv6. Names are not resolved.
bool IsLocalHost(const std::wstring& host);

// A redirect from a server that is not on this computer to such an address: refused, so that no
// server out there can send the updater to a service on this computer or its network.
bool SendsInward(const WebAddress& from, const WebAddress& to);
