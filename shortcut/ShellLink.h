// Writing a shell link (.lnk) file through the shell's link object.
#pragma once
#include <windows.h>
#include <shobjidl.h>

#include <string>

// The COM calls the link writer makes, behind a seam so tests can script and count them.
class IComLinkRuntime {
public:
    virtual ~IComLinkRuntime() = default;
    virtual HRESULT Initialize() = 0;  // CoInitialize for the calling thread
    virtual void Uninitialize() = 0;   // CoUninitialize
    // CoCreateInstance of the shell's link object, in-process, asking for IShellLinkW.
    virtual HRESULT CreateLinkObject(IShellLinkW** link) = 0;
};

class Win32ComLinkRuntime : public IComLinkRuntime {
public:
    HRESULT Initialize() override;
    void Uninitialize() override;
    HRESULT CreateLinkObject(IShellLinkW** link) override;
};

// Writes (or replaces) linkFile: a link to target with the given arguments and description, its
// icon taken from iconFile (index 0). COM is initialised only around the write, and every
// interface is released before it is uninitialised. Returns the platform's result, S_OK on success.
HRESULT CreateShellLink(IComLinkRuntime& runtime, const std::wstring& target, const std::wstring& arguments,
                        const std::wstring& linkFile, const std::wstring& description, const std::wstring& iconFile);
HRESULT CreateShellLink(const std::wstring& target, const std::wstring& arguments, const std::wstring& linkFile,
                        const std::wstring& description, const std::wstring& iconFile);
