// Answers the updater's web requests from a script, one answer per request, and keeps the clock.
// An answer may stall: its read after the chunks then waits, in real time, until Cancel.
#pragma once
#include <winhttp.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
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
    bool stalls = false;              // the read after the chunks waits for Cancel
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
    DWORD Read(std::string& body, DWORD limit) override {
        now += m_current.takes;
        if (m_next < m_current.chunks.size()) {
            const std::string& chunk = m_current.chunks[m_next++];
            body += chunk.substr(0, limit);
            return 0;
        }
        if (m_current.stalls) {
            std::unique_lock<std::mutex> lock(m_lock);
            m_changed.wait(lock, [this] { return cancelled; });
            stalledReadEnded = true;
            m_changed.notify_all();
            return ERROR_WINHTTP_OPERATION_CANCELLED;
        }
        return m_current.readError;
    }
    std::wstring ErrorText(DWORD error) override { return L"Text of " + std::to_wstring(error) + L"\r\n"; }
    ULONGLONG Milliseconds() override { return now; }
    void Cancel() override {
        const std::lock_guard<std::mutex> lock(m_lock);
        cancelled = true;
        m_changed.notify_all();
    }

    // Whether a stalled read has ended by now, waiting for it at most timeout.
    bool StalledReadEnds(std::chrono::milliseconds timeout) {
        std::unique_lock<std::mutex> lock(m_lock);
        return m_changed.wait_for(lock, timeout, [this] { return stalledReadEnded; });
    }

    bool cancelled = false;
    bool stalledReadEnded = false;

private:
    ScriptedAnswer m_current{};
    size_t m_next = 0;
    std::mutex m_lock;
    std::condition_variable m_changed;
};
