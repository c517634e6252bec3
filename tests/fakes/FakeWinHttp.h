// WinHTTP as a script: which access types and protocol options this Windows takes, the user's proxy
// settings, what automatic configuration finds, and the body in the pieces it arrives in. Every
// call is journalled, handles by their kind; a closed handle fails as WinHTTP's does.
#pragma once
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "updater/WinHttpApi.h"

class FakeWinHttp : public IWinHttp {
public:
    bool automaticProxy = true;             // Windows 8.1 and later
    std::set<DWORD> refusedProtocols;       // protocol sets SetOption refuses
    std::optional<UserProxySettings> user;  // none: they cannot be read
    std::optional<ProxyFound> found;        // none: automatic configuration finds nothing
    std::deque<std::string> arrivals;       // the body, as it arrives
    std::vector<std::string> journal;
    std::set<std::string> closed;

    HINTERNET Open(const wchar_t*, DWORD accessType) override {
        journal.push_back("Open " + std::to_string(accessType));
        if (accessType == WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY && !automaticProxy) {
            Fail(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        closed.erase("session");
        return Handle("session");
    }
    BOOL CloseHandle(HINTERNET handle) override {
        journal.push_back("Close " + Name(handle));
        return closed.insert(Name(handle)).second ? TRUE : Fail(ERROR_INVALID_HANDLE);
    }
    BOOL SetTimeouts(HINTERNET session, int resolve, int connect, int send, int receive) override {
        journal.push_back("SetTimeouts " + std::to_string(resolve) + " " + std::to_string(connect) + " " +
                          std::to_string(send) + " " + std::to_string(receive));
        return Usable(session);
    }
    BOOL SetOption(HINTERNET handle, DWORD option, void* value, DWORD) override {
        std::string entry = "SetOption " + Name(handle) + " " + std::to_string(option);
        if (option == WINHTTP_OPTION_PROXY) {
            const auto* info = static_cast<WINHTTP_PROXY_INFO*>(value);
            entry += " " + Narrow(info->lpszProxy) + " bypass " + Narrow(info->lpszProxyBypass);
        } else {
            entry += " " + std::to_string(*static_cast<DWORD*>(value));
        }
        journal.push_back(entry);
        if (option == WINHTTP_OPTION_SECURE_PROTOCOLS && refusedProtocols.count(*static_cast<DWORD*>(value)) != 0) {
            return Fail(ERROR_INVALID_PARAMETER);
        }
        return Usable(handle);
    }
    HINTERNET Connect(HINTERNET session, const wchar_t* host, INTERNET_PORT port) override {
        journal.push_back("Connect " + Narrow(host) + " " + std::to_string(port));
        if (!Usable(session)) return nullptr;
        closed.erase("connection");
        return Handle("connection");
    }
    HINTERNET OpenRequest(HINTERNET connection, const wchar_t* path, DWORD flags) override {
        journal.push_back("OpenRequest " + Narrow(path) + ((flags & WINHTTP_FLAG_SECURE) ? " secure" : ""));
        if (!Usable(connection)) return nullptr;
        closed.erase("request");
        return Handle("request");
    }
    BOOL SendRequest(HINTERNET request) override {
        journal.push_back("SendRequest");
        return Usable(request);
    }
    BOOL ReceiveResponse(HINTERNET request) override {
        journal.push_back("ReceiveResponse");
        return Usable(request);
    }
    BOOL QueryHeaders(HINTERNET request, DWORD, void* buffer, DWORD* size) override {
        if (!Usable(request)) return FALSE;
        *static_cast<DWORD*>(buffer) = 200;
        *size = sizeof(DWORD);
        return TRUE;
    }
    BOOL QueryDataAvailable(HINTERNET request, DWORD* available) override {
        journal.push_back("QueryDataAvailable");
        *available = arrivals.empty() ? 0 : static_cast<DWORD>(arrivals.front().size());
        return Usable(request);
    }
    BOOL ReadData(HINTERNET request, void* buffer, DWORD size, DWORD* read) override {
        journal.push_back("ReadData " + std::to_string(size));
        if (!Usable(request) || arrivals.empty()) return FALSE;
        std::string& piece = arrivals.front();
        *read = static_cast<DWORD>(piece.copy(static_cast<char*>(buffer), size));
        piece.erase(0, *read);
        if (piece.empty()) arrivals.pop_front();
        return TRUE;
    }
    BOOL GetUserProxySettings(UserProxySettings& settings) override {
        journal.push_back("GetUserProxySettings");
        if (!user) return Fail(ERROR_FILE_NOT_FOUND);
        settings = *user;
        return TRUE;
    }
    BOOL GetProxyForUrl(HINTERNET session, const wchar_t* url, WINHTTP_AUTOPROXY_OPTIONS* options,
                        ProxyFound& result) override {
        journal.push_back("GetProxyForUrl " + Narrow(url) + " flags " + std::to_string(options->dwFlags) + " detect " +
                          std::to_string(options->dwAutoDetectFlags) + " script " + Narrow(options->lpszAutoConfigUrl) +
                          " logon " + std::to_string(options->fAutoLogonIfChallenged));
        if (!Usable(session) || !found) return Fail(ERROR_WINHTTP_AUTODETECTION_FAILED);
        result = *found;
        return TRUE;
    }
    DWORD LastError() override { return m_error; }
    std::wstring ErrorText(DWORD) override { return std::wstring(); }
    ULONGLONG Milliseconds() override { return 0; }

private:
    static std::string Narrow(const wchar_t* text) {
        std::string narrow;
        for (const wchar_t* character = text; character != nullptr && *character != 0; ++character) {
            narrow += static_cast<char>(*character);
        }
        return narrow;
    }
    HINTERNET Handle(const char* kind) {
        m_names.emplace_back(kind);
        return &m_names.back();
    }
    std::string Name(HINTERNET handle) const {
        return handle == nullptr ? "null" : *static_cast<const std::string*>(handle);
    }
    BOOL Usable(HINTERNET handle) {
        return handle != nullptr && closed.count(Name(handle)) == 0 ? TRUE : Fail(ERROR_INVALID_HANDLE);
    }
    BOOL Fail(DWORD error) {
        m_error = error;
        return FALSE;
    }
    DWORD m_error = 0;
    std::deque<std::string> m_names;  // deque: the handles stay where they are
};
