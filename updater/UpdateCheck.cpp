#include "updater/UpdateCheck.h"

#include "updater/UpdaterMessage.h"
#include "updater/UpdaterRequest.h"

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

CheckOutcome CheckForUpdate(IWebClient& web, const FeedChoice& choice, long long installed) {
    CheckOutcome outcome{CheckOutcome::Kind::Refused, choice, {}, {}, L""};
    if (choice.problem != FeedChoice::Problem::None) return outcome;
    outcome.fetched = FetchFile(web, choice.feed, L"Pixmode-Updater/" + DottedFileVersion(installed));
    if (outcome.fetched.result != Fetched::Result::Received) {
        outcome.kind = CheckOutcome::Kind::Fetch;
        return outcome;
    }
    outcome.feed = ReadReleaseFeed(outcome.fetched.body);
    if (!outcome.feed.readable) {
        outcome.kind = CheckOutcome::Kind::Unreadable;
    } else if (outcome.feed.latest > static_cast<unsigned long long>(installed)) {
        outcome.kind = CheckOutcome::Kind::Newer;
        outcome.download = choice.folder + ArchiveName(outcome.feed.latest);
    } else {
        outcome.kind = CheckOutcome::Kind::Latest;
    }
    return outcome;
}

void RunUpdater(const std::wstring& parameters, const FeedSettings& settings, IWebClient& web, IUpdaterHost& host) {
    const std::optional<UpdaterRequest> request = ParseUpdaterRequest(parameters);
    if (!request) {
        const UpdaterMessage message = ParametersMessage(parameters);
        host.Show(message.text, message.style);
        return;
    }
    const FeedChoice choice = ChooseFeed(settings);
    CheckRecord record{};
    if (request->automatic) {
        if (choice.problem != FeedChoice::Problem::None) return;
        record = host.ReadRecord();
        const unsigned long long now = host.Now();
        if (!RequestDue(record, now)) return;
        // Kept before asking, so that a request that fails or never ends still counts.
        record.lastRequest = now;
        host.WriteRecord(record);
    }
    const CheckOutcome outcome = CheckForUpdate(web, choice, request->fileVersion);
    if (request->automatic) {
        if (outcome.kind != CheckOutcome::Kind::Newer || outcome.feed.latest <= record.announced) return;
        record.announced = outcome.feed.latest;
        host.WriteRecord(record);
    }
    const UpdaterMessage message = OutcomeMessage(outcome, request->fileVersion);
    if (host.Show(message.text, message.style) == IDYES && outcome.kind == CheckOutcome::Kind::Newer) {
        host.OpenInBrowser(outcome.download);
    }
}
