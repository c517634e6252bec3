#include "updater/FileVersion.h"

#include "updater/Numbers.h"

std::wstring DottedVersion(FileVersion version) {
    return std::to_wstring((version >> 48) & 0xFFFF) + L"." + std::to_wstring((version >> 32) & 0xFFFF) + L"." +
           std::to_wstring((version >> 16) & 0xFFFF) + L"." + std::to_wstring(version & 0xFFFF);
}

std::optional<FileVersion> ParseDottedVersion(const std::wstring& text) {
    const auto parts = DottedNumbers(text, 0xFFFF);
    if (!parts) return std::nullopt;
    FileVersion version = 0;
    for (const unsigned part : *parts) version = (version << 16) | part;
    return version;
}
