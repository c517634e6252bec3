// Answers the updater's web requests from a script, one answer per request, and keeps the clock.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "updater/WebClient.h"

struct ScriptedAnswer {
    DWORD sendError;  // 0, or what Send fails with
    DWORD status;
    std::wstring location;
    std::vector<std::string> chunks;  // what the successive reads give
    ULONGLONG takes = 0;              // milliseconds that sending, and each read, take
    DWORD readError = 0;              // what the read after the chunks fails with
};

struct SentRequest {
    std::wstring address;
    std::wstring userAgent;
    DWORD timeout;
};

class FakeWebClient : public IWebClient {
public:
    std::deque<ScriptedAnswer> answers;
    std::vector<SentRequest> sent;
    ULONGLONG now = 1000;

    DWORD Send(const WebAddress& address, const std::wstring& userAgent, DWORD timeout) override {
        sent.push_back({WebAddressText(address), userAgent, timeout});
        // A request beyond the script cannot connect.
        m_current = answers.empty() ? ScriptedAnswer{12029, 0, L"", {}} : answers.front();
        if (!answers.empty()) answers.pop_front();
        m_next = 0;
        now += m_current.takes;
        return m_current.sendError;
    }
    DWORD Status() override { return m_current.status; }
    std::wstring Location() override { return m_current.location; }
    DWORD Read(std::string& body, DWORD most) override {
        now += m_current.takes;
        if (m_next < m_current.chunks.size()) {
            const std::string& chunk = m_current.chunks[m_next++];
            body += chunk.substr(0, most);
            return 0;
        }
        return m_current.readError;
    }
    std::wstring ErrorText(DWORD error) override { return L"Text of " + std::to_wstring(error) + L"\r\n"; }
    ULONGLONG Milliseconds() override { return now; }

private:
    ScriptedAnswer m_current{};
    size_t m_next = 0;
};
