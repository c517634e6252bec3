// The system calls that only the dialogs, the shortcut writer and the shell requests make, from
// libraries loaded from the system folder when first called instead of imported: the loader would
// map and initialise imported ones before the first line runs, and a command-line switch, which a
// shortcut runs before every game, needs none of them. Loaded libraries stay to the process's end.
// Where a library or its export is missing, each call fails as the platform's own would.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace late {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
HIMAGELIST ImageList_Create(int width, int height, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST images);
int ImageList_ReplaceIcon(HIMAGELIST images, int index, HICON icon);

BOOL GetOpenFileNameW(OPENFILENAMEW* dialog);

HRESULT CoInitialize(LPVOID reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID interfaceId, LPVOID* object);

HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show);
BOOL ShellExecuteExW(SHELLEXECUTEINFOW* request);

}  // namespace late

// Registers the common control classes, once, before the first window: the dialogs and the message
// boxes, which take the version 6 look from them as the manifest asks.
void PrepareCommonControls();
