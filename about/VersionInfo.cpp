#include "about/VersionInfo.h"

#include <vector>

#include "framework/ModulePath.h"
#include "framework/SystemLibrary.h"

namespace {

const wchar_t* const kKeyNames[kVersionStringKeyCount] = {
    L"CompanyName",     L"FileDescription",  L"FileVersion", L"InternalName",   L"LegalCopyright",
    L"LegalTrademarks", L"OriginalFilename", L"ProductName", L"ProductVersion",
};

std::wstring FourHexDigits(WORD value) {
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring text(4, L'0');
    for (int position = 3; position >= 0; --position) {
        text[static_cast<size_t>(position)] = digits[value & 0xF];
        value = static_cast<WORD>(value >> 4);
    }
    return text;
}

// The whole version resource of one file, owned for the length of one query. The version service's
// DLL is not one that Windows always takes from its system folder, so it is loaded from there by
// full path instead of imported; without it a file reads as one without a version resource.
class VersionData {
public:
    explicit VersionData(const std::wstring& path)
        : m_library(L"version.dll"),
          m_getSize(m_library.Find<GetSizeFunction>("GetFileVersionInfoSizeW")),
          m_getInfo(m_library.Find<GetInfoFunction>("GetFileVersionInfoW")),
          m_query(m_library.Find<QueryFunction>("VerQueryValueW")) {
        if (m_getSize == nullptr || m_getInfo == nullptr || m_query == nullptr) return;
        DWORD ignored = 0;
        const DWORD size = m_getSize(path.c_str(), &ignored);
        if (size == 0) return;
        std::vector<BYTE> data(size);
        if (!m_getInfo(path.c_str(), 0, size, data.data())) return;
        m_data = std::move(data);
    }

    // The value of a block; null when the resource or the block is missing.
    const void* Query(const std::wstring& block, UINT& length) {
        length = 0;
        if (m_data.empty()) return nullptr;
        void* value = nullptr;
        if (!m_query(m_data.data(), block.c_str(), &value, &length)) return nullptr;
        return value;
    }

private:
    using GetSizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using GetInfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

    SystemLibrary m_library;
    GetSizeFunction m_getSize;
    GetInfoFunction m_getInfo;
    QueryFunction m_query;
    std::vector<BYTE> m_data;
};

}  // namespace

const wchar_t* VersionStringKeyName(VersionStringKey key) {
    const unsigned index = static_cast<unsigned>(key);
    return index < kVersionStringKeyCount ? kKeyNames[index] : L"";
}

std::wstring VersionStringBlockName(WORD language, WORD codePage, VersionStringKey key) {
    return L"\\StringFileInfo\\" + FourHexDigits(language) + FourHexDigits(codePage) + L"\\" +
           VersionStringKeyName(key);
}

FixedVersionInfo ReadFixedVersionInfo(const std::wstring& path) {
    FixedVersionInfo result;
    VersionData data(path);
    UINT length = 0;
    const void* fixed = data.Query(L"\\", length);
    // A resource may carry no fixed part (length 0): copying one would read past the value.
    if (fixed == nullptr || length < sizeof(VS_FIXEDFILEINFO)) return result;
    result.info = *static_cast<const VS_FIXEDFILEINFO*>(fixed);
    result.found = true;
    return result;
}

std::wstring ReadVersionString(const std::wstring& path, VersionStringKey key) {
    VersionData data(path);
    UINT length = 0;
    const void* translation = data.Query(L"\\VarFileInfo\\Translation", length);
    if (translation == nullptr || length < 2 * sizeof(WORD)) return std::wstring();
    // Only the first (language, code page) pair counts.
    const WORD* pair = static_cast<const WORD*>(translation);
    const void* text = data.Query(VersionStringBlockName(pair[0], pair[1], key), length);
    if (text == nullptr) return std::wstring();
    // The reported length may or may not count the terminator: stop at the first NUL within it.
    const wchar_t* characters = static_cast<const wchar_t*>(text);
    size_t size = 0;
    while (size < length && characters[size] != L'\0') ++size;
    return std::wstring(characters, size);
}

FixedVersionInfo GetFixedVersionInfo(HMODULE module) { return ReadFixedVersionInfo(ModuleFileName(module)); }

std::wstring GetVersionString(HMODULE module, VersionStringKey key) {
    return ReadVersionString(ModuleFileName(module), key);
}
