#include <gtest/gtest.h>

#include <windows.h>

#include "updater/ParameterLog.h"

namespace {

std::wstring TemporaryFileName() {
    wchar_t folder[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder) + L"pixmode updater log " + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

std::string FileBytes(const std::wstring& file) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(4096, '\0');
    DWORD read = 0;
    ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(handle);
    bytes.resize(read);
    return bytes;
}

}  // namespace

TEST(ParameterLog, AppendsOneUtf8LinePerStart) {
    const std::wstring file = TemporaryFileName();
    DeleteFileW(file.c_str());
    EXPECT_TRUE(AppendParameterLine(file, L"C:\\My Programs\\pixmode.exe 0 562980018192384 1"));
    EXPECT_TRUE(AppendParameterLine(file, L"C:\\Caf\u00e9\\pixmode.exe 0 0 0"));
    EXPECT_EQ(FileBytes(file),
              "C:\\My Programs\\pixmode.exe 0 562980018192384 1\nC:\\Caf\xc3\xa9\\pixmode.exe 0 0 0\n");
    DeleteFileW(file.c_str());
}

TEST(ParameterLog, UnwritableFileIsReportedNotThrown) {
    EXPECT_FALSE(AppendParameterLine(L"Z:\\no such folder\\at all\\log.txt", L"x"));
}
