#include "updater/Environment.h"

#include <windows.h>

#include <vector>

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return std::wstring();
    std::vector<wchar_t> buffer(size);
    const DWORD length = GetEnvironmentVariableW(name, buffer.data(), size);
    if (length == 0 || length >= size) return std::wstring();
    return std::wstring(buffer.data(), length);
}
