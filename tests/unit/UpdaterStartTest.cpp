// Starts the real updater through the real shell and reads back what it received.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "TemporaryFolder.h"
#include "TestDataPath.h"
#include "about/Updater.h"
#include "framework/Shell.h"
#include "updater/ParameterLog.h"

namespace {

// The real shell, asked for the process so that the test can wait for the updater to end.
class WaitingShell : public IShell {
public:
    bool started = false;

    INT_PTR Execute(HWND owner, const wchar_t* verb, const std::wstring& file, const wchar_t* parameters,
                    const wchar_t* directory, int show) override {
        return m_shell.Execute(owner, verb, file, parameters, directory, show);
    }
    bool ExecuteEx(SHELLEXECUTEINFOW& request) override {
        request.fMask |= SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
        started = m_shell.ExecuteEx(request);
        if (started && request.hProcess != nullptr) {
            WaitForSingleObject(request.hProcess, 60000);
            CloseHandle(request.hProcess);
        }
        return started;
    }

private:
    Win32Shell m_shell;
};

std::string FileText(const std::wstring& file) {
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(8192, '\0');
    DWORD read = 0;
    ReadFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(handle);
    bytes.resize(read);
    return bytes;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST(UpdaterStart, LongPathWithBlanksArrivesWhole) {
    TemporaryFolder folder(L"pixmode updater start", 200, L"Program Files");
    const std::wstring updater =
        folder.Copy(FolderWithSeparator(TestProgramPath()) + L"Marrowick.exe", L"Marrowick.exe");
    ASSERT_FALSE(updater.empty());
    const std::wstring program = folder.Path() + L"\\pixmode.exe";
    ASSERT_GT(program.size(), 179u);
    const std::wstring log = folder.Adopt(L"starts.txt");
    SetEnvironmentVariableW(kParameterLogVariable, log.c_str());

    WaitingShell shell;
    LaunchUpdaterWith(shell, nullptr, true, program, 562980018192384);
    SetEnvironmentVariableW(kParameterLogVariable, nullptr);

    ASSERT_TRUE(shell.started);
    EXPECT_EQ(FileText(log), Narrow(program) + " 0 562980018192384 1\n");
}
