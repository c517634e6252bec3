#include "updater/Win32UpdaterHost.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "updater/UpdaterMessage.h"

namespace {

const wchar_t kSection[] = L"Automatic check";

std::wstring RecordValue(const std::wstring& file, const wchar_t* key) {
    std::vector<wchar_t> value(64);
    const DWORD length =
        GetPrivateProfileStringW(kSection, key, L"", value.data(), static_cast<DWORD>(value.size()), file.c_str());
    return std::wstring(value.data(), length);
}

}  // namespace

int Win32UpdaterHost::Show(const std::wstring& text, UINT style) {
    return MessageBoxW(nullptr, text.c_str(), kUpdaterCaption, style | MB_SETFOREGROUND);
}

void Win32UpdaterHost::OpenInBrowser(const std::wstring& address) {
    // The shell may hand a web address to a handler that needs COM on the calling thread.
    const ScopedHandle apartment(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE),
                                 ComApartmentCloser{&CoUninitialize});
    ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

unsigned long long Win32UpdaterHost::Now() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

bool Win32UpdaterHost::ClaimAutomaticCheck() {
    // Local: one per session, and so per user. Held until the process ends, a box included.
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\Pixmode.Marrowick.AutomaticCheck");
    const bool another = mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    m_automaticCheck.Reset(mutex);
    // Where no mutex can be made, the check goes on rather than never running.
    return !another;
}

CheckRecord Win32UpdaterHost::ReadRecord() {
    const std::wstring file = RecordFile();
    if (file.empty()) return CheckRecord{};
    return {ReadRecordNumber(RecordValue(file, L"LastRequest")), ReadRecordVersion(RecordValue(file, L"Announced"))};
}

bool Win32UpdaterHost::WriteRecord(const CheckRecord& record) {
    const std::wstring file = RecordFile();
    if (file.empty()) return false;
    // Fails harmlessly when the folder is there already.
    CreateDirectoryW(file.substr(0, file.find_last_of(L'\\')).c_str(), nullptr);
    const std::wstring announced = record.announced == 0 ? std::wstring() : DottedVersion(record.announced);
    return WritePrivateProfileStringW(kSection, L"LastRequest", std::to_wstring(record.lastRequest).c_str(),
                                      file.c_str()) != FALSE &&
           WritePrivateProfileStringW(kSection, L"Announced", announced.c_str(), file.c_str()) != FALSE;
}

std::wstring RecordFile() {
    // The platform's own limit for this call.
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return std::wstring();
    }
    return std::wstring(folder) + L"\\Pixmode\\Marrowick.ini";
}
