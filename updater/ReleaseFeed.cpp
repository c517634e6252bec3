#include "updater/ReleaseFeed.h"

#include <set>

#include "updater/PlainNumber.h"
#include "updater/UpdaterRequest.h"

namespace {

bool IsLowerHex(char character) {
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f');
}

std::optional<unsigned long long> ReleaseLineVersion(const std::string& line) {
    const std::string prefix = "  pixmode-", suffix = ".zip";
    if (line.size() < 64 + prefix.size() + suffix.size()) return std::nullopt;
    for (size_t index = 0; index < 64; ++index) {
        if (!IsLowerHex(line[index])) return std::nullopt;
    }
    if (line.compare(64, prefix.size(), prefix) != 0) return std::nullopt;
    if (line.compare(line.size() - suffix.size(), suffix.size(), suffix) != 0) return std::nullopt;
    const std::string version = line.substr(64 + prefix.size(), line.size() - 64 - prefix.size() - suffix.size());
    return ParseDottedVersion(std::wstring(version.begin(), version.end()));
}

}  // namespace

FeedReading ReadReleaseFeed(const std::string& bytes) {
    if (bytes.empty()) return {false, 0, 0};
    std::set<unsigned long long> versions;
    size_t start = 0, line = 0;
    while (start < bytes.size()) {
        ++line;
        const size_t end = bytes.find('\n', start);
        if (end == std::string::npos) return {false, line, 0};
        const std::optional<unsigned long long> version = ReleaseLineVersion(bytes.substr(start, end - start));
        if (!version || !versions.insert(*version).second) return {false, line, 0};
        start = end + 1;
    }
    return {true, 0, *versions.rbegin()};
}

std::optional<unsigned long long> ParseDottedVersion(const std::wstring& text) {
    unsigned long long version = 0;
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const size_t dot = text.find(L'.', start);
        if ((part < 3) != (dot != std::wstring::npos)) return std::nullopt;
        const std::optional<unsigned> number = PlainNumber(text.substr(start, dot - start), 0xFFFF);
        if (!number) return std::nullopt;
        version = (version << 16) | *number;
        start = dot + 1;
    }
    return version;
}

std::wstring ArchiveName(unsigned long long version) {
    return L"pixmode-" + DottedFileVersion(static_cast<long long>(version)) + L".zip";
}
