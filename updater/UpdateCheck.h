// The updater's whole run: read the parameters, ask the feed, answer the user.
#pragma once
#include <windows.h>

#include <string>

#include "updater/CheckRecord.h"
#include "updater/FeedFetch.h"
#include "updater/ReleaseFeed.h"
#include "updater/WebAddress.h"

class IWebClient;

// The environment variable through which tests point the updater at a feed of their own; it is
// honoured only for loopback addresses.
inline constexpr wchar_t kTestFeedVariable[] = L"PIXMODE_UPDATER_TEST_FEED";

struct FeedSettings {
    std::wstring builtAddress;  // set when the updater was built; empty for none
    std::wstring testAddress;   // from the test variable; empty for none
};

// Everything besides the web that the run touches, behind a seam.
class IUpdaterHost {
public:
    virtual ~IUpdaterHost() = default;
    // MessageBoxW with the updater's caption; the button pressed.
    virtual int Show(const std::wstring& text, UINT style) = 0;
    // Hands the address to the shell's default browser.
    virtual void OpenInBrowser(const std::wstring& address) = 0;
    // UTC in 100-ns units since 1601.
    virtual unsigned long long Now() = 0;
    virtual CheckRecord ReadRecord() = 0;
    virtual void WriteRecord(const CheckRecord& record) = 0;
};

struct FeedChoice {
    enum class Problem { None, NoAddress, Unreadable, NotHttps, TestNotLoopback };
    Problem problem;
    std::wstring folder;  // the address as a folder, with its final "/"
    WebAddress feed;      // the list of releases in it
};

// The test address when one is set, else the built one.
FeedChoice ChooseFeed(const FeedSettings& settings);

struct CheckOutcome {
    enum class Kind { Refused, Fetch, Unreadable, Latest, Newer };
    Kind kind;
    FeedChoice choice;
    Fetched fetched;        // Fetch: what went wrong
    FeedReading feed;       // Unreadable: where; Latest and Newer: the latest version
    std::wstring download;  // Newer: the latest archive's address
};

CheckOutcome CheckForUpdate(IWebClient& web, const FeedChoice& choice, long long installed);

// The run for one parameter text. By hand (flag 0) one box always answers; automatically (flag 1)
// only a newer version is shown, once, after at most one request a day.
void RunUpdater(const std::wstring& parameters, const FeedSettings& settings, IWebClient& web, IUpdaterHost& host);
