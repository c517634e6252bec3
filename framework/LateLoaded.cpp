#include "framework/LateLoaded.h"

#include <shlobj.h>

#include "framework/SystemLibrary.h"

namespace {

const SystemLibrary& Comctl32() {
    static const SystemLibrary library(L"comctl32.dll", SystemLibrary::Lookup::ManifestFirst);
    return library;
}

const SystemLibrary& Comdlg32() {
    static const SystemLibrary library(L"comdlg32.dll");
    return library;
}

const SystemLibrary& Ole32() {
    static const SystemLibrary library(L"ole32.dll");
    return library;
}

const SystemLibrary& Shell32() {
    static const SystemLibrary library(L"shell32.dll");
    return library;
}

template <typename Result>
Result Missing(Result failure) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return failure;
}

const HRESULT kMissing = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

}  // namespace

BOOL late::InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
    const auto call = Comctl32().Find<decltype(&::InitCommonControlsEx)>("InitCommonControlsEx");
    return call != nullptr ? call(controls) : Missing(FALSE);
}

HIMAGELIST late::ImageList_Create(int width, int height, UINT flags, int initial, int grow) {
    const auto call = Comctl32().Find<decltype(&::ImageList_Create)>("ImageList_Create");
    return call != nullptr ? call(width, height, flags, initial, grow) : Missing<HIMAGELIST>(nullptr);
}

BOOL late::ImageList_Destroy(HIMAGELIST images) {
    const auto call = Comctl32().Find<decltype(&::ImageList_Destroy)>("ImageList_Destroy");
    return call != nullptr ? call(images) : Missing(FALSE);
}

int late::ImageList_ReplaceIcon(HIMAGELIST images, int index, HICON icon) {
    const auto call = Comctl32().Find<decltype(&::ImageList_ReplaceIcon)>("ImageList_ReplaceIcon");
    return call != nullptr ? call(images, index, icon) : Missing(-1);
}

BOOL late::GetOpenFileNameW(OPENFILENAMEW* dialog) {
    const auto call = Comdlg32().Find<decltype(&::GetOpenFileNameW)>("GetOpenFileNameW");
    return call != nullptr ? call(dialog) : Missing(FALSE);
}

HRESULT late::CoInitialize(LPVOID reserved) {
    const auto call = Ole32().Find<decltype(&::CoInitialize)>("CoInitialize");
    return call != nullptr ? call(reserved) : kMissing;
}

void late::CoUninitialize() {
    const auto call = Ole32().Find<decltype(&::CoUninitialize)>("CoUninitialize");
    if (call != nullptr) call();
}

HRESULT late::CoCreateInstance(REFCLSID classId, LPUNKNOWN outer, DWORD context, REFIID interfaceId, LPVOID* object) {
    const auto call = Ole32().Find<decltype(&::CoCreateInstance)>("CoCreateInstance");
    if (call != nullptr) return call(classId, outer, context, interfaceId, object);
    *object = nullptr;
    return kMissing;
}

HRESULT late::SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path) {
    const auto call = Shell32().Find<decltype(&::SHGetFolderPathW)>("SHGetFolderPathW");
    return call != nullptr ? call(owner, folder, token, flags, path) : kMissing;
}

HINSTANCE late::ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show) {
    const auto call = Shell32().Find<decltype(&::ShellExecuteW)>("ShellExecuteW");
    // The shell's own answer for a missing DLL.
    return call != nullptr ? call(owner, verb, file, parameters, directory, show)
                           : reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
}

BOOL late::ShellExecuteExW(SHELLEXECUTEINFOW* request) {
    const auto call = Shell32().Find<decltype(&::ShellExecuteExW)>("ShellExecuteExW");
    return call != nullptr ? call(request) : Missing(FALSE);
}

void PrepareCommonControls() {
    static const bool prepared = [] {
        INITCOMMONCONTROLSEX controls{};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_WIN95_CLASSES | ICC_LINK_CLASS;
        return late::InitCommonControlsEx(&controls) != FALSE;
    }();
    static_cast<void>(prepared);
}
