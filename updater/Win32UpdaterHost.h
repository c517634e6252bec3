// The updater's message boxes, browser, clock, mark and record file on Windows.
#pragma once
#include "framework/ScopedHandle.h"
#include "updater/UpdaterRun.h"

class Win32UpdaterHost : public IUpdaterHost {
public:
    int Show(const std::wstring& text, UINT style) override;
    void OpenInBrowser(const std::wstring& address) override;
    unsigned long long Now() override;
    bool ClaimAutomaticCheck() override;
    CheckRecord ReadRecord() override;
    bool WriteRecord(const CheckRecord& record) override;

private:
    KernelHandle m_automaticCheck;
};

// The record file: "Pixmode\Marrowick.ini" in the user's local application data; empty when that
// folder cannot be found.
std::wstring RecordFile();
