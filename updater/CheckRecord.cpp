#include "updater/CheckRecord.h"

#include <limits>

#include "updater/Numbers.h"

bool RequestDue(const CheckRecord& record, unsigned long long now) {
    return record.lastRequest == 0 || now < record.lastRequest || now - record.lastRequest >= kOneDay;
}

unsigned long long ReadRecordNumber(const std::wstring& text) {
    return PlainNumber(text, std::numeric_limits<unsigned long long>::max()).value_or(0);
}

FileVersion ReadRecordVersion(const std::wstring& text) { return ParseDottedVersion(text).value_or(0); }
