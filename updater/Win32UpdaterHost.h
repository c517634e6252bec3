// The updater's message boxes, browser, clock and record file on Windows.
#pragma once
#include "updater/UpdateCheck.h"

class Win32UpdaterHost : public IUpdaterHost {
public:
    int Show(const std::wstring& text, UINT style) override;
    void OpenInBrowser(const std::wstring& address) override;
    unsigned long long Now() override;
    CheckRecord ReadRecord() override;
    void WriteRecord(const CheckRecord& record) override;
};

// The record file: "Pixmode\Marrowick.ini" in the user's local application data; empty when that
// folder cannot be found.
std::wstring RecordFile();
