// Where the updater looks, and what the list of releases there says of the installed version.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

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

// Asks the feed on a thread of its own, for at most the time limit.
CheckOutcome CheckForUpdate(const std::shared_ptr<IWebClient>& web, const FeedChoice& choice, FileVersion installed);
