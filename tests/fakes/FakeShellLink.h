// A scripted shell link object (IShellLinkW and IPersistFile) and COM runtime that log every call
// in order, count references, and fail where a test asks them to.
#pragma once
#include <windows.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "shortcut/ShellLink.h"

class FakeShellLink : public IShellLinkW, public IPersistFile {
public:
    explicit FakeShellLink(std::vector<std::wstring>& log) : m_log(log) {}

    HRESULT queryPersistFileResult = S_OK;
    HRESULT saveResult = S_OK;
    ULONG references = 0;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }

    // IShellLinkW
    HRESULT STDMETHODCALLTYPE GetPath(LPWSTR, int, WIN32_FIND_DATAW*, DWORD) override { return Unexpected(L"GetPath"); }
    HRESULT STDMETHODCALLTYPE GetIDList(PIDLIST_ABSOLUTE*) override { return Unexpected(L"GetIDList"); }
    HRESULT STDMETHODCALLTYPE SetIDList(PCIDLIST_ABSOLUTE) override { return Unexpected(L"SetIDList"); }
    HRESULT STDMETHODCALLTYPE GetDescription(LPWSTR, int) override { return Unexpected(L"GetDescription"); }
    HRESULT STDMETHODCALLTYPE SetDescription(LPCWSTR text) override { return Logged(L"SetDescription", text); }
    HRESULT STDMETHODCALLTYPE GetWorkingDirectory(LPWSTR, int) override { return Unexpected(L"GetWorkingDirectory"); }
    HRESULT STDMETHODCALLTYPE SetWorkingDirectory(LPCWSTR) override { return Unexpected(L"SetWorkingDirectory"); }
    HRESULT STDMETHODCALLTYPE GetArguments(LPWSTR, int) override { return Unexpected(L"GetArguments"); }
    HRESULT STDMETHODCALLTYPE SetArguments(LPCWSTR text) override { return Logged(L"SetArguments", text); }
    HRESULT STDMETHODCALLTYPE GetHotkey(WORD*) override { return Unexpected(L"GetHotkey"); }
    HRESULT STDMETHODCALLTYPE SetHotkey(WORD) override { return Unexpected(L"SetHotkey"); }
    HRESULT STDMETHODCALLTYPE GetShowCmd(int*) override { return Unexpected(L"GetShowCmd"); }
    HRESULT STDMETHODCALLTYPE SetShowCmd(int) override { return Unexpected(L"SetShowCmd"); }
    HRESULT STDMETHODCALLTYPE GetIconLocation(LPWSTR, int, int*) override { return Unexpected(L"GetIconLocation"); }
    HRESULT STDMETHODCALLTYPE SetIconLocation(LPCWSTR file, int index) override {
        return Logged(L"SetIconLocation", std::wstring(file) + L"," + std::to_wstring(index));
    }
    HRESULT STDMETHODCALLTYPE SetRelativePath(LPCWSTR, DWORD) override { return Unexpected(L"SetRelativePath"); }
    HRESULT STDMETHODCALLTYPE Resolve(HWND, DWORD) override { return Unexpected(L"Resolve"); }
    HRESULT STDMETHODCALLTYPE SetPath(LPCWSTR file) override { return Logged(L"SetPath", file); }

    // IPersistFile
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID*) override { return Unexpected(L"GetClassID"); }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return Unexpected(L"IsDirty"); }
    HRESULT STDMETHODCALLTYPE Load(LPCOLESTR, DWORD) override { return Unexpected(L"Load"); }
    HRESULT STDMETHODCALLTYPE Save(LPCOLESTR file, BOOL remember) override {
        m_log.push_back(L"Save(" + std::wstring(file) + L"," + std::to_wstring(remember) + L")");
        return saveResult;
    }
    HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR) override { return Unexpected(L"SaveCompleted"); }
    HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR*) override { return Unexpected(L"GetCurFile"); }

private:
    HRESULT Logged(const wchar_t* call, const std::wstring& value) {
        m_log.push_back(std::wstring(call) + L"(" + value + L")");
        return S_OK;
    }
    HRESULT Unexpected(const wchar_t* call) {
        m_log.push_back(std::wstring(call) + L" (unexpected)");
        return E_NOTIMPL;
    }
    std::vector<std::wstring>& m_log;
};

class FakeComLinkRuntime : public IComLinkRuntime {
public:
    std::vector<std::wstring> log;
    FakeShellLink link{log};
    HRESULT initializeResult = S_OK;
    HRESULT createResult = S_OK;
    bool createHandsOutNothing = false;  // succeeds without an object

    HRESULT Initialize() override {
        log.push_back(L"Initialize");
        return initializeResult;
    }
    // Records how many references to the link object were still held when COM was shut down.
    void Uninitialize() override { log.push_back(L"Uninitialize refs=" + std::to_wstring(link.references)); }
    HRESULT CreateLinkObject(IShellLinkW** object) override {
        log.push_back(L"CreateLinkObject");
        *object = nullptr;
        if (FAILED(createResult) || createHandsOutNothing) return createResult;
        link.AddRef();
        *object = &link;
        return createResult;
    }
};
