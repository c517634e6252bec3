#include "about/Updater.h"

#include <shellapi.h>

#include "about/VersionInfo.h"
#include "framework/ModulePath.h"
#include "framework/Shell.h"
#include "framework/Strings.h"

std::wstring UpdaterPath(const std::wstring& programPath) {
    return FolderWithSeparator(programPath) + L"Marrowick.exe";
}

std::wstring UpdaterParameters(const std::wstring& programPath, long long fileVersion, bool automatic) {
    return programPath + L" 0 " + SignedText(fileVersion) + (automatic ? L" 1" : L" 0");
}

void LaunchUpdaterWith(IShell& shell, HWND owner, bool automatic, const std::wstring& programPath,
                       long long fileVersion) {
    const std::wstring file = UpdaterPath(programPath);
    const std::wstring parameters = UpdaterParameters(programPath, fileVersion, automatic);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof(request);
    request.fMask = SEE_MASK_UNICODE;
    request.hwnd = owner;
    request.lpFile = file.c_str();
    request.lpParameters = parameters.c_str();
    request.nShow = SW_SHOWNORMAL;
    if (owner != nullptr) {
        // Lets the updater appear on the monitor of the window that started it.
        request.hMonitor = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
        request.fMask |= SEE_MASK_HMONITOR;
    }
    // The updater reports its own problems; nothing here waits for it or reads its result.
    shell.ExecuteEx(request);
}

long long ProgramFileVersion(const std::wstring& programPath) {
    const FixedVersionInfo fixed = ReadFixedVersionInfo(programPath);
    return fixed.found ? static_cast<long long>(fixed.FileVersion64()) : 0;
}

void LaunchUpdaterFor(IShell& shell, HWND owner, bool automatic, const std::wstring& programPath) {
    LaunchUpdaterWith(shell, owner, automatic, programPath, ProgramFileVersion(programPath));
}

void LaunchUpdater(IShell& shell, HWND owner, bool automatic, HMODULE module) {
    LaunchUpdaterFor(shell, owner, automatic, ModuleFileName(module));
}
