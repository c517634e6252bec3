#include "fakes/FakeShellLink.h"

HRESULT STDMETHODCALLTYPE FakeShellLink::QueryInterface(REFIID iid, void** object) {
    *object = nullptr;
    if (IsEqualIID(iid, IID_IPersistFile)) {
        m_log.push_back(L"QueryInterface(IPersistFile)");
        if (FAILED(queryPersistFileResult)) return queryPersistFileResult;
        *object = static_cast<IPersistFile*>(this);
    } else if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellLinkW)) {
        *object = static_cast<IShellLinkW*>(this);
    } else {
        m_log.push_back(L"QueryInterface(other)");
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}
