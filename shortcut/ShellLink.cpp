#include "shortcut/ShellLink.h"

#include <shlguid.h>

#include "framework/ComPtr.h"
#include "framework/LateLoaded.h"
#include "framework/ScopedHandle.h"

namespace {

// The link object's part of the work; its interfaces are released when it returns, before the
// caller's apartment ends.
HRESULT WriteLink(IComLinkRuntime& runtime, const std::wstring& target, const std::wstring& arguments,
                  const std::wstring& linkFile, const std::wstring& description, const std::wstring& iconFile) {
    ComPtr<IShellLinkW> link;
    HRESULT result = runtime.CreateLinkObject(link.Receive());
    if (FAILED(result)) return result;
    if (!link) return E_POINTER;

    // These four results are not looked at: a link whose details could not all be set is still
    // written, and a real failure shows up in Save.
    link->SetPath(target.c_str());
    link->SetArguments(arguments.c_str());
    link->SetDescription(description.c_str());
    link->SetIconLocation(iconFile.c_str(), 0);

    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.ReceiveVoid());
    if (FAILED(result)) return result;
    if (!file) return E_NOINTERFACE;
    return file->Save(linkFile.c_str(), TRUE);
}

}  // namespace

HRESULT Win32ComLinkRuntime::Initialize() { return late::CoInitialize(nullptr); }

void Win32ComLinkRuntime::Uninitialize() { late::CoUninitialize(); }

HRESULT Win32ComLinkRuntime::CreateLinkObject(IShellLinkW** link) {
    return late::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(link));
}

HRESULT CreateShellLink(IComLinkRuntime& runtime, const std::wstring& target, const std::wstring& arguments,
                        const std::wstring& linkFile, const std::wstring& description, const std::wstring& iconFile) {
    const ScopedHandle apartment(runtime.Initialize(), ComApartmentCloser{[&runtime] { runtime.Uninitialize(); }});
    if (FAILED(apartment.Get())) return apartment.Get();
    return WriteLink(runtime, target, arguments, linkFile, description, iconFile);
}

HRESULT CreateShellLink(const std::wstring& target, const std::wstring& arguments, const std::wstring& linkFile,
                        const std::wstring& description, const std::wstring& iconFile) {
    Win32ComLinkRuntime runtime;
    return CreateShellLink(runtime, target, arguments, linkFile, description, iconFile);
}
