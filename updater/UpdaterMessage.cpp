#include "updater/UpdaterMessage.h"

#include "updater/UpdateCheck.h"

namespace {

std::wstring Installed(FileVersion installed) {
    return installed == 0 ? std::wstring(L"The installed Pixmode has no version information.")
                          : L"Pixmode " + DottedVersion(installed) + L" is installed.";
}

std::wstring RefusalText(const FeedChoice& choice) {
    switch (choice.problem) {
    case FeedChoice::Problem::NoAddress:
        return L"This build of the updater has no address to look for newer versions at.";
    case FeedChoice::Problem::Unreadable: return L"The updater cannot read its address:\n" + choice.folder;
    case FeedChoice::Problem::NotHttps:
        return L"The updater does not ask\n" + choice.folder +
               L"\nIt asks over HTTPS only, and over plain HTTP only on this computer's loopback interface.";
    case FeedChoice::Problem::TestNotLoopback:
        return std::wstring(L"The address in ") + kTestFeedVariable + L" is not used: it is not a loopback address.\n" +
               choice.folder;
    case FeedChoice::Problem::None: break;
    }
    return std::wstring();
}

std::wstring WithoutTrailingBlanks(std::wstring text) {
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) text.pop_back();
    return text;
}

std::wstring FetchText(const Fetched& fetched) {
    switch (fetched.kind) {
    case Fetched::Kind::Failed: {
        const std::wstring system = WithoutTrailingBlanks(fetched.errorText);
        return L"The address could not be reached.\n\n" + (system.empty() ? L"" : system + L" ") + L"(error " +
               std::to_wstring(fetched.code) + L")";
    }
    case Fetched::Kind::Status: return L"The server answered with HTTP status " + std::to_wstring(fetched.code) + L".";
    case Fetched::Kind::TooLarge: return L"The answer is larger than " + std::to_wstring(kSizeLimit / 1024) + L" KiB.";
    case Fetched::Kind::TooSlow:
        return L"The server did not answer within " + std::to_wstring(kTimeLimitMs / 1000) + L" seconds.";
    case Fetched::Kind::RedirectRefused:
        return L"The server sent the updater on to an address that is not HTTPS, which it does not follow:\n" +
               fetched.location;
    case Fetched::Kind::RedirectToLocal:
        return L"The server sent the updater on to an address on this computer or its local network, which it does "
               L"not follow:\n" +
               fetched.location;
    case Fetched::Kind::RedirectUnreadable:
        return L"The server sent the updater on to an address it cannot read:\n" + fetched.location;
    case Fetched::Kind::TooManyRedirects:
        return L"The server sent the updater on more than " + std::to_wstring(kMostRedirects) + L" times.";
    case Fetched::Kind::Received: break;
    }
    return std::wstring();
}

}  // namespace

UpdaterMessage ParametersMessage(const std::wstring& parameters) {
    return {L"The updater was started with parameters it cannot read:\n\n" + parameters +
                L"\n\nIt expects the program path, 0, the program's version number and 1 or 0.",
            MB_OK | MB_ICONERROR};
}

UpdaterMessage OutcomeMessage(const CheckOutcome& outcome, FileVersion installed) {
    const std::wstring feed = WebAddressText(outcome.choice.feed);
    const std::wstring latest = DottedVersion(outcome.feed.latest);
    switch (outcome.kind) {
    case CheckOutcome::Kind::Refused:
        return {Installed(installed) + L"\n\n" + RefusalText(outcome.choice),
                static_cast<UINT>(MB_OK | (outcome.choice.problem == FeedChoice::Problem::NoAddress ? MB_ICONINFORMATION
                                                                                                    : MB_ICONWARNING))};
    case CheckOutcome::Kind::Fetch:
        return {Installed(installed) + L"\n\nThe list of releases could not be read from\n" + feed + L"\n\n" +
                    FetchText(outcome.fetched),
                MB_OK | MB_ICONWARNING};
    case CheckOutcome::Kind::Unreadable:
        return {Installed(installed) + L"\n\nThe list of releases at\n" + feed +
                    L"\nis not one the updater can trust: " +
                    (outcome.feed.badLine == 0
                         ? std::wstring(L"it lists no release.")
                         : L"line " + std::to_wstring(outcome.feed.badLine) +
                               L" is not of the form \"<SHA-256>  pixmode-<version>.zip\" or names a version "
                               L"listed before."),
                MB_OK | MB_ICONWARNING};
    case CheckOutcome::Kind::Latest:
        return {Installed(installed) + (outcome.feed.latest == installed
                                            ? std::wstring(L" It is the latest version.")
                                            : L" It is newer than the latest release, " + latest + L"."),
                MB_OK | MB_ICONINFORMATION};
    case CheckOutcome::Kind::Newer:
        return {L"Pixmode " + latest + L" is available. " + Installed(installed) +
                    L"\n\nOpen its download in your browser?\n\n" + outcome.download,
                MB_YESNO | MB_ICONQUESTION};
    }
    return {std::wstring(), MB_OK};
}
