// The numbers and texts of a file's version resource, read through the version service.
#pragma once
#include <windows.h>

#include <string>

struct FixedVersionInfo {
    VS_FIXEDFILEINFO info{};
    bool found = false;

    WORD Major() const { return HIWORD(info.dwFileVersionMS); }
    WORD Minor() const { return LOWORD(info.dwFileVersionMS); }
    WORD Build() const { return HIWORD(info.dwFileVersionLS); }
    WORD Revision() const { return LOWORD(info.dwFileVersionLS); }
    // The file version as one number: high half times 2^32 plus low half.
    unsigned long long FileVersion64() const {
        return (static_cast<unsigned long long>(info.dwFileVersionMS) << 32) | info.dwFileVersionLS;
    }
};

// The texts of the string table, by their fixed index.
enum class VersionStringKey : unsigned {
    CompanyName = 0,
    FileDescription = 1,
    FileVersion = 2,
    InternalName = 3,
    LegalCopyright = 4,
    LegalTrademarks = 5,
    OriginalFilename = 6,
    ProductName = 7,
    ProductVersion = 8,
};
constexpr unsigned kVersionStringKeyCount = 9;

// The value name of a key in the string table.
const wchar_t* VersionStringKeyName(VersionStringKey key);

// "\StringFileInfo\llllcccc\<key name>", language and code page in four lower-case hex digits each.
std::wstring VersionStringBlockName(WORD language, WORD codePage, VersionStringKey key);

// Read from the file anew on every call; found is false when the file has no readable resource.
FixedVersionInfo ReadFixedVersionInfo(const std::wstring& path);
// The text for the first translation of the file; empty when any step fails.
std::wstring ReadVersionString(const std::wstring& path, VersionStringKey key);

// The same for the file of a loaded module.
FixedVersionInfo GetFixedVersionInfo(HMODULE module);
std::wstring GetVersionString(HMODULE module, VersionStringKey key);
