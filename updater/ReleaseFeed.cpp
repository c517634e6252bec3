#include "updater/ReleaseFeed.h"

#include <optional>
#include <set>

namespace {

bool IsLowerHex(char character) {
    return (character >= '0' && character <= '9') || (character >= 'a' && character <= 'f');
}

std::optional<FileVersion> ReleaseLineVersion(const std::string& line) {
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
    std::set<FileVersion> versions;
    size_t start = 0, line = 0;
    while (start < bytes.size()) {
        ++line;
        const size_t end = bytes.find('\n', start);
        if (end == std::string::npos) return {false, line, 0};
        const std::optional<FileVersion> version = ReleaseLineVersion(bytes.substr(start, end - start));
        if (!version || !versions.insert(*version).second) return {false, line, 0};
        start = end + 1;
    }
    return {true, 0, *versions.rbegin()};
}

std::wstring ArchiveName(FileVersion version) { return L"pixmode-" + DottedVersion(version) + L".zip"; }
