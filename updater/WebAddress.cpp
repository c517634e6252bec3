#include "updater/WebAddress.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <vector>

#include "updater/Numbers.h"

namespace {

bool IsDigit(wchar_t character) { return character >= L'0' && character <= L'9'; }

bool IsHostCharacter(wchar_t character) {
    return IsDigit(character) || (character >= L'a' && character <= L'z') || (character >= L'A' && character <= L'Z') ||
           character == L'-' || character == L'.';
}

// Printable ASCII without blanks and without the characters an address never holds unescaped.
bool IsAddressCharacter(wchar_t character) {
    if (character <= L' ' || character > L'~') return false;
    return std::wstring(L"\"<>\\^`{|}").find(character) == std::wstring::npos;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t index = 0; index < prefix.size(); ++index) {
        if (towlower(text[index]) != prefix[index]) return false;
    }
    return true;
}

// The eight 16-bit groups of an IPv6 address in hexadecimal, "::" standing for a run of zeros.
std::optional<std::array<unsigned, 8>> Ipv6Groups(const std::wstring& text) {
    const size_t gap = text.find(L"::");
    if (gap != std::wstring::npos && text.find(L"::", gap + 1) != std::wstring::npos) return std::nullopt;
    const auto split = [](const std::wstring& part, std::vector<unsigned>& groups) {
        if (part.empty()) return true;
        size_t start = 0;
        for (;;) {
            const size_t colon = part.find(L':', start);
            const std::wstring group = part.substr(start, colon - start);
            if (group.empty() || group.size() > 4 ||
                group.find_first_not_of(L"0123456789abcdefABCDEF") != std::wstring::npos) {
                return false;
            }
            groups.push_back(static_cast<unsigned>(std::stoul(group, nullptr, 16)));
            if (colon == std::wstring::npos) return true;
            start = colon + 1;
        }
    };
    std::vector<unsigned> head, tail;
    if (!split(gap == std::wstring::npos ? text : text.substr(0, gap), head)) return std::nullopt;
    if (gap != std::wstring::npos && !split(text.substr(gap + 2), tail)) return std::nullopt;
    const size_t given = head.size() + tail.size();
    if (gap == std::wstring::npos ? given != 8 : given > 7) return std::nullopt;
    std::array<unsigned, 8> groups{};
    std::copy(head.begin(), head.end(), groups.begin());
    std::copy(tail.begin(), tail.end(), groups.end() - static_cast<std::ptrdiff_t>(tail.size()));
    return groups;
}

}  // namespace

std::optional<WebAddress> ParseWebAddress(const std::wstring& text) {
    for (const wchar_t character : text) {
        if (!IsAddressCharacter(character)) return std::nullopt;
    }
    WebAddress address{};
    size_t position = 0;
    if (StartsWithNoCase(text, L"https://")) {
        address.secure = true;
        position = 8;
    } else if (StartsWithNoCase(text, L"http://")) {
        position = 7;
    } else {
        return std::nullopt;
    }
    const size_t authorityEnd = text.find_first_of(L"/?#", position);
    const std::wstring authority = text.substr(position, authorityEnd - position);
    if (authority.find(L'@') != std::wstring::npos) return std::nullopt;
    std::wstring portText;
    if (!authority.empty() && authority[0] == L'[') {
        const size_t close = authority.find(L']');
        if (close == std::wstring::npos) return std::nullopt;
        address.host = authority.substr(1, close - 1);
        if (address.host.empty() || address.host.find_first_not_of(L"0123456789abcdefABCDEF:") != std::wstring::npos) {
            return std::nullopt;
        }
        if (close + 1 < authority.size()) {
            if (authority[close + 1] != L':') return std::nullopt;
            portText = authority.substr(close + 2);
            if (portText.empty()) return std::nullopt;
        }
    } else {
        const size_t colon = authority.find(L':');
        address.host = authority.substr(0, colon);
        if (colon != std::wstring::npos) {
            portText = authority.substr(colon + 1);
            if (portText.empty()) return std::nullopt;
        }
        if (address.host.empty()) return std::nullopt;
        for (const wchar_t character : address.host) {
            if (!IsHostCharacter(character)) return std::nullopt;
        }
    }
    address.port = address.secure ? 443 : 80;
    if (!portText.empty()) {
        const std::optional<unsigned long long> port = PlainNumber(portText, 65535);
        if (!port || *port == 0) return std::nullopt;
        address.port = static_cast<unsigned>(*port);
    }
    address.path = authorityEnd == std::wstring::npos ? std::wstring() : text.substr(authorityEnd);
    address.path = address.path.substr(0, address.path.find(L'#'));
    if (address.path.empty() || address.path[0] != L'/') address.path.insert(0, L"/");
    return address;
}

std::wstring WebAddressText(const WebAddress& address) {
    const bool usualPort = address.port == (address.secure ? 443u : 80u);
    const bool ipv6 = address.host.find(L':') != std::wstring::npos;
    return std::wstring(address.secure ? L"https://" : L"http://") +
           (ipv6 ? L"[" + address.host + L"]" : address.host) +
           (usualPort ? L"" : L":" + std::to_wstring(address.port)) + address.path;
}

bool IsLoopbackHost(const std::wstring& host) {
    if (host == L"::1") return true;
    const auto parts = DottedNumbers(host, 255);
    return parts && (*parts)[0] == 127;
}

bool IsLocalHost(const std::wstring& host) {
    if (host.find(L':') != std::wstring::npos) {
        const std::optional<std::array<unsigned, 8>> groups = Ipv6Groups(host);
        // What cannot be read cannot be shown to lead elsewhere.
        if (!groups) return true;
        const auto& g = *groups;
        const bool zeroToSix = g[0] == 0 && g[1] == 0 && g[2] == 0 && g[3] == 0 && g[4] == 0;
        if (zeroToSix && g[5] == 0xFFFF) {  // an IPv4 address in IPv6 form
            return IsLocalHost(std::to_wstring(g[6] >> 8) + L"." + std::to_wstring(g[6] & 0xFF) + L"." +
                               std::to_wstring(g[7] >> 8) + L"." + std::to_wstring(g[7] & 0xFF));
        }
        const bool unspecifiedOrLoopback = zeroToSix && g[5] == 0 && g[6] == 0 && g[7] <= 1;
        // fc00::/7 unique local, fe80::/10 link-local, and fec0::/10, the old site-local.
        return unspecifiedOrLoopback || (g[0] & 0xFE00) == 0xFC00 || (g[0] & 0xFF80) == 0xFE80;
    }
    // The resolver takes a final dot as part of the name.
    const std::wstring name = !host.empty() && host.back() == L'.' ? host.substr(0, host.size() - 1) : host;
    const std::wstring last = name.substr(name.find_last_of(L'.') + 1);
    // No top-level domain is a number; a host whose last part is one is an address.
    const bool number = !last.empty() && (last.find_first_not_of(L"0123456789") == std::wstring::npos ||
                                          last.compare(0, 2, L"0x") == 0 || last.compare(0, 2, L"0X") == 0);
    if (!number) return false;
    const auto parts = DottedNumbers(name, 255);
    // Written in one of the forms resolvers also take (127.1, 2130706433, 0x7f.0.0.1): not followed.
    if (!parts) return true;
    const unsigned a = (*parts)[0], b = (*parts)[1];
    return a == 0 || a == 10 || a == 127 || (a == 169 && b == 254) || (a == 172 && (b & 0xF0) == 16) ||
           (a == 192 && b == 168);
}

std::optional<WebAddress> RedirectTarget(const WebAddress& base, const std::wstring& location) {
    // "//host/path" keeps only the scheme, which the updater does not need to follow.
    if (!location.empty() && location[0] == L'/' && location.compare(0, 2, L"//") != 0) {
        return ParseWebAddress(WebAddressText({base.secure, base.host, base.port, L""}) + location);
    }
    return ParseWebAddress(location);
}

bool MayAsk(const WebAddress& address) { return address.secure || IsLoopbackHost(address.host); }

bool MayFollow(const WebAddress& from, const WebAddress& to) {
    return to.secure || (IsLoopbackHost(to.host) && IsLoopbackHost(from.host));
}

bool SendsInward(const WebAddress& from, const WebAddress& to) {
    return !IsLoopbackHost(from.host) && IsLocalHost(to.host);
}
