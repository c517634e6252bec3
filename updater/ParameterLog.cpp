#include "updater/ParameterLog.h"

#include <windows.h>

#include <string>

#include "updater/Environment.h"
#include "framework/ScopedHandle.h"

namespace {

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (size <= 0) return std::string();
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

}  // namespace

bool AppendParameterLine(const std::wstring& file, const std::wstring& parameters) {
    const HANDLE opened = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    const KernelHandle handle(opened);
    const std::string line = Utf8(parameters) + "\n";
    DWORD written = 0;
    return WriteFile(handle.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
}

std::wstring ParameterLogFile() { return EnvironmentValue(kParameterLogVariable); }
