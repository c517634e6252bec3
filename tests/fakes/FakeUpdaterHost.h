// Records the updater's boxes and browser requests, answers with scripted buttons, and keeps its
// record and clock in memory.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "updater/UpdaterRun.h"

struct UpdaterBox {
    std::wstring text;
    UINT style;
};

class FakeUpdaterHost : public IUpdaterHost {
public:
    std::vector<UpdaterBox> shown;
    std::deque<int> answers;  // once empty: No for Yes/No boxes, else OK
    std::vector<std::wstring> opened;
    unsigned long long now = 133000000000000000ull;  // in December 2022
    CheckRecord record{};
    int writes = 0;
    bool recordKept = true;         // what writing the record answers
    bool anotherAutomatic = false;  // another automatic check holds the mark
    int claims = 0;

    int Show(const std::wstring& text, UINT style) override {
        shown.push_back({text, style});
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return (style & MB_YESNO) != 0 ? IDNO : IDOK;
    }
    void OpenInBrowser(const std::wstring& address) override { opened.push_back(address); }
    unsigned long long Now() override { return now; }
    bool ClaimAutomaticCheck() override {
        ++claims;
        return !anotherAutomatic;
    }
    CheckRecord ReadRecord() override { return record; }
    bool WriteRecord(const CheckRecord& written) override {
        ++writes;
        if (recordKept) record = written;
        return recordKept;
    }
};
