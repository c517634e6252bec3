// The list of releases that the release folder publishes: its SHA256SUMS file, one line
// "<SHA-256 in hex>  pixmode-<a.b.c.d>.zip" per archive.
#pragma once
#include <string>

#include "updater/FileVersion.h"

inline constexpr wchar_t kFeedFileName[] = L"SHA256SUMS";

struct FeedReading {
    bool readable;
    size_t badLine;      // unreadable: the first line that is not a release line; 0 when there is none
    FileVersion latest;  // readable: the highest version listed
};

// Every line must be a release line ending in a line feed, and no version may be listed twice: a
// list that is wrong anywhere is trusted nowhere.
FeedReading ReadReleaseFeed(const std::string& bytes);

// The archive of a version, as the release names it.
std::wstring ArchiveName(FileVersion version);
