// What the automatic check keeps between starts, so that it asks at most once a day and announces
// each version at most once.
#pragma once
#include <string>

#include "updater/FileVersion.h"

struct CheckRecord {
    unsigned long long lastRequest;  // UTC in 100-ns units since 1601 (a FILETIME); 0 for never
    FileVersion announced;           // the highest version announced; 0 for none
};

inline constexpr unsigned long long kOneDay = 24ull * 60 * 60 * 10000000;

// A day after the last request; also when the clock now reads earlier than it, so that a clock
// once set far ahead does not stop the checks for good.
bool RequestDue(const CheckRecord& record, unsigned long long now);

// The record file's values read back: a decimal number and a dotted version; what cannot be
// read counts as 0, as if the record were new.
unsigned long long ReadRecordNumber(const std::wstring& text);
FileVersion ReadRecordVersion(const std::wstring& text);
