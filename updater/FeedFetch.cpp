#include "updater/FeedFetch.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "updater/WebClient.h"

namespace {

bool IsRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

Fetched Ended(Fetched::Kind kind, DWORD code = 0) { return {kind, code, L"", L"", ""}; }

}  // namespace

Fetched FetchFile(IWebClient& web, const WebAddress& address, const std::wstring& userAgent) {
    const ULONGLONG start = web.Milliseconds();
    const auto remaining = [&]() -> DWORD {
        const ULONGLONG spent = web.Milliseconds() - start;
        return spent >= kTimeLimitMs ? 0 : static_cast<DWORD>(kTimeLimitMs - spent);
    };
    WebAddress current = address;
    for (int redirects = 0;; ++redirects) {
        const DWORD left = remaining();
        if (left == 0) return Ended(Fetched::Kind::TooSlow);
        const DWORD error = web.Send(current, userAgent, left + kWaitBeyondLimitMs);
        if (error != 0) return {Fetched::Kind::Failed, error, web.ErrorText(error), L"", ""};
        if (remaining() == 0) return Ended(Fetched::Kind::TooSlow);
        const DWORD status = web.Status();
        if (IsRedirect(status)) {
            if (redirects == kMostRedirects) return Ended(Fetched::Kind::TooManyRedirects);
            const std::wstring location = web.Location();
            const std::optional<WebAddress> target = RedirectTarget(current, location);
            if (!target) return {Fetched::Kind::RedirectUnreadable, 0, L"", location, ""};
            if (SendsInward(current, *target)) return {Fetched::Kind::RedirectToLocal, 0, L"", location, ""};
            if (!MayFollow(current, *target)) return {Fetched::Kind::RedirectRefused, 0, L"", location, ""};
            current = *target;
            continue;
        }
        if (status != 200) return Ended(Fetched::Kind::Status, status);
        Fetched fetched = Ended(Fetched::Kind::Received);
        for (;;) {
            const size_t before = fetched.body.size();
            const DWORD readError = web.Read(fetched.body, kSizeLimit + 1 - static_cast<DWORD>(before));
            if (readError != 0) return {Fetched::Kind::Failed, readError, web.ErrorText(readError), L"", ""};
            if (fetched.body.size() > kSizeLimit) return Ended(Fetched::Kind::TooLarge);
            if (remaining() == 0) return Ended(Fetched::Kind::TooSlow);
            if (fetched.body.size() == before) return fetched;
        }
    }
}

Fetched FetchWithin(const std::shared_ptr<IWebClient>& web, const WebAddress& address, const std::wstring& userAgent,
                    std::chrono::milliseconds limit) {
    struct Shared {
        std::mutex lock;
        std::condition_variable done;
        std::optional<Fetched> fetched;
    };
    const auto shared = std::make_shared<Shared>();
    std::thread([shared, web, address, userAgent] {
        Fetched fetched{};
        try {
            fetched = FetchFile(*web, address, userAgent);
        } catch (...) {
            // Memory, above all: the wait must not go on to the limit for it.
            fetched = Ended(Fetched::Kind::Failed, ERROR_NOT_ENOUGH_MEMORY);
        }
        const std::lock_guard<std::mutex> lock(shared->lock);
        shared->fetched = std::move(fetched);
        shared->done.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(shared->lock);
    if (shared->done.wait_for(lock, limit, [&] { return shared->fetched.has_value(); })) return *shared->fetched;
    lock.unlock();
    web->Cancel();
    return Ended(Fetched::Kind::TooSlow);
}
