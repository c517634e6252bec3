#include "dialog/SystemRestart.h"

#include <windows.h>

#include "framework/ScopedHandle.h"

namespace {
// Best effort: without the privilege the restart request is simply refused by the platform.
void EnableShutdownPrivilege() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &raw)) return;
    const KernelHandle token(raw);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return;
    AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
}
}  // namespace

void Win32SystemRestart::RequestRestart() {
    EnableShutdownPrivilege();
    ExitWindowsEx(EWX_REBOOT, 0xFFFFFFFF);
}
