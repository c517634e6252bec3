#include "updater/WebAddress.h"

#include <cwctype>

#include "updater/PlainNumber.h"

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
        const std::optional<unsigned> port = PlainNumber(portText, 65535);
        if (!port || *port == 0) return std::nullopt;
        address.port = *port;
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
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const size_t dot = host.find(L'.', start);
        if ((part < 3) != (dot != std::wstring::npos)) return false;
        const std::optional<unsigned> number = PlainNumber(host.substr(start, dot - start), 255);
        if (!number || (part == 0 && *number != 127)) return false;
        start = dot + 1;
    }
    return true;
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
