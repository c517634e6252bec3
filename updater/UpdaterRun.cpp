#include "updater/UpdaterRun.h"

#include "updater/UpdaterMessage.h"
#include "updater/UpdaterRequest.h"

void RunUpdater(const std::wstring& parameters, const FeedSettings& settings, const std::shared_ptr<IWebClient>& web,
                IUpdaterHost& host) {
    const std::optional<UpdaterRequest> request = ParseUpdaterRequest(parameters);
    if (!request) {
        const UpdaterMessage message = ParametersMessage(parameters);
        host.Show(message.text, message.style);
        return;
    }
    const FeedChoice choice = ChooseFeed(settings);
    CheckRecord record{};
    if (request->automatic) {
        // Two openings of the dialog in quick succession would otherwise both ask, and both
        // announce the same version.
        if (choice.problem != FeedChoice::Problem::None || !host.ClaimAutomaticCheck()) return;
        record = host.ReadRecord();
        const unsigned long long now = host.Now();
        if (!RequestDue(record, now)) return;
        // Kept before asking, so that a request that fails or never ends still counts. A record
        // that cannot be kept would let every opening ask, and announce again.
        record.lastRequest = now;
        if (!host.WriteRecord(record)) return;
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
