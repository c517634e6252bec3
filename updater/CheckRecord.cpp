#include "updater/CheckRecord.h"

#include "updater/ReleaseFeed.h"

bool RequestDue(const CheckRecord& record, unsigned long long now) {
    return record.lastRequest == 0 || now < record.lastRequest || now - record.lastRequest >= kOneDay;
}

unsigned long long ReadRecordNumber(const std::wstring& text) {
    if (text.empty() || text.size() > 19) return 0;
    unsigned long long value = 0;
    for (const wchar_t character : text) {
        if (character < L'0' || character > L'9') return 0;
        value = value * 10 + static_cast<unsigned>(character - L'0');
    }
    return value;
}

unsigned long long ReadRecordVersion(const std::wstring& text) { return ParseDottedVersion(text).value_or(0); }
