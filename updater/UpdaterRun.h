// The updater's whole run: read the parameters, ask the feed, answer the user.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "updater/CheckRecord.h"
#include "updater/UpdateCheck.h"

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
    // Marks this process as the user's one automatic check until it ends; false when another
    // holds that mark.
    virtual bool ClaimAutomaticCheck() = 0;
    virtual CheckRecord ReadRecord() = 0;
    // False when the record could not be kept.
    virtual bool WriteRecord(const CheckRecord& record) = 0;
};

// The run for one parameter text. By hand (flag 0) one box always answers; automatically (flag 1)
// only a newer version is shown, once, after at most one request a day, by one check at a time.
void RunUpdater(const std::wstring& parameters, const FeedSettings& settings, const std::shared_ptr<IWebClient>& web,
                IUpdaterHost& host);
