#include "updater/FeedFetch.h"

#include "updater/WebClient.h"

namespace {

bool IsRedirect(DWORD status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

Fetched Result(Fetched::Result result, DWORD code = 0) { return {result, code, L"", L"", ""}; }

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
        if (left == 0) return Result(Fetched::Result::TooSlow);
        const DWORD error = web.Send(current, userAgent, left);
        if (error != 0) return {Fetched::Result::Failed, error, web.ErrorText(error), L"", ""};
        if (remaining() == 0) return Result(Fetched::Result::TooSlow);
        const DWORD status = web.Status();
        if (IsRedirect(status)) {
            if (redirects == kMostRedirects) return Result(Fetched::Result::TooManyRedirects);
            const std::wstring location = web.Location();
            const std::optional<WebAddress> target = RedirectTarget(current, location);
            if (!target) return {Fetched::Result::RedirectUnreadable, 0, L"", location, ""};
            if (!MayFollow(current, *target)) return {Fetched::Result::RedirectRefused, 0, L"", location, ""};
            current = *target;
            continue;
        }
        if (status != 200) return Result(Fetched::Result::Status, status);
        Fetched fetched = Result(Fetched::Result::Received);
        for (;;) {
            const size_t before = fetched.body.size();
            const DWORD readError = web.Read(fetched.body, kSizeLimit + 1 - static_cast<DWORD>(before));
            if (readError != 0) return {Fetched::Result::Failed, readError, web.ErrorText(readError), L"", ""};
            if (fetched.body.size() > kSizeLimit) return Result(Fetched::Result::TooLarge);
            if (remaining() == 0) return Result(Fetched::Result::TooSlow);
            if (fetched.body.size() == before) return fetched;
        }
    }
}
