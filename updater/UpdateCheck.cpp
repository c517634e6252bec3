#include "updater/UpdateCheck.h"

FeedChoice ChooseFeed(const FeedSettings& settings) {
    const bool test = !settings.testAddress.empty();
    FeedChoice choice{FeedChoice::Problem::None, test ? settings.testAddress : settings.builtAddress, {}};
    if (choice.folder.empty()) {
        choice.problem = FeedChoice::Problem::NoAddress;
        return choice;
    }
    if (choice.folder.back() != L'/') choice.folder += L'/';
    const std::optional<WebAddress> feed = choice.folder.find_first_of(L"?#") == std::wstring::npos
                                               ? ParseWebAddress(choice.folder + kFeedFileName)
                                               : std::nullopt;
    if (!feed) {
        choice.problem = FeedChoice::Problem::Unreadable;
    } else if (!MayAsk(*feed)) {
        choice.problem = FeedChoice::Problem::NotHttps;
    } else if (test && !IsLoopbackHost(feed->host)) {
        choice.problem = FeedChoice::Problem::TestNotLoopback;
    } else {
        choice.feed = *feed;
    }
    return choice;
}

CheckOutcome CheckForUpdate(const std::shared_ptr<IWebClient>& web, const FeedChoice& choice, FileVersion installed) {
    CheckOutcome outcome{CheckOutcome::Kind::Refused, choice, {}, {}, L""};
    if (choice.problem != FeedChoice::Problem::None) return outcome;
    outcome.fetched = FetchWithin(web, choice.feed, L"Pixmode-Updater/" + DottedVersion(installed),
                                  std::chrono::milliseconds(kTimeLimitMs));
    if (outcome.fetched.kind != Fetched::Kind::Received) {
        outcome.kind = CheckOutcome::Kind::Fetch;
        return outcome;
    }
    outcome.feed = ReadReleaseFeed(outcome.fetched.body);
    if (!outcome.feed.readable) {
        outcome.kind = CheckOutcome::Kind::Unreadable;
    } else if (outcome.feed.latest > installed) {
        outcome.kind = CheckOutcome::Kind::Newer;
        outcome.download = choice.folder + ArchiveName(outcome.feed.latest);
    } else {
        outcome.kind = CheckOutcome::Kind::Latest;
    }
    return outcome;
}
