#include "framework/Dialog.h"

#include "framework/LateLoaded.h"
#include "framework/WinApp.h"

namespace {
class EmptyMessageMap : public MessageMap {
public:
    bool Dispatch(CDialog&, UINT, WPARAM, LPARAM, LRESULT&) const override { return false; }
};
}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    // Each creation of the dialog makes new controls: bind afresh on every initialisation.
    control.Attach(pDX->dialog.GetDlgItem(id));
}

CDialog::CDialog(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr) DestroyWindow(m_hWnd);
}

HWND CDialog::Owner() const {
    if (m_hParent != nullptr) return m_hParent;
    CWinApp* app = CWinApp::Current();
    return app != nullptr ? app->m_hMainWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
    m_bModal = true;
    PrepareCommonControls();
    return DialogBoxParamW(AppInstance(), MAKEINTRESOURCEW(m_nTemplateId), Owner(), DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create() {
    m_bModal = false;
    PrepareCommonControls();
    return CreateDialogParamW(AppInstance(), MAKEINTRESOURCEW(m_nTemplateId), Owner(), DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_bModal) {
        ::EndDialog(m_hWnd, result);
    } else {
        DestroyWindow(m_hWnd);
    }
}

void CDialog::CenterWindow() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT area = monitor.rcWork;
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
    RECT window{};
    GetWindowRect(m_hWnd, &window);
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG x = area.left + (area.right - area.left - width) / 2;
    LONG y = area.top + (area.bottom - area.top - height) / 2;
    // Keep the whole dialog on the monitor's work area where it fits.
    if (x + width > monitor.rcWork.right) x = monitor.rcWork.right - width;
    if (y + height > monitor.rcWork.bottom) y = monitor.rcWork.bottom - height;
    if (x < monitor.rcWork.left) x = monitor.rcWork.left;
    if (y < monitor.rcWork.top) y = monitor.rcWork.top;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::OnInitDialog() {
    CDataExchange exchange{*this};
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

const MessageMap& CDialog::GetMessageMap() const {
    static const EmptyMessageMap none;
    return none;
}

INT_PTR CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    LRESULT result = 0;
    if (GetMessageMap().Dispatch(*this, message, wParam, lParam, result)) {
        // A notification's answer goes back through the dialog's message result.
        if (message == WM_NOTIFY) SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return message == WM_NOTIFY ? TRUE : static_cast<INT_PTR>(result);
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = nullptr;
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
        dialog->m_hWnd = window;
        CWinApp* app = CWinApp::Current();
        if (dialog->m_bMainWindow && app != nullptr) app->m_hMainWnd = window;
    } else {
        dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (dialog == nullptr) return FALSE;
    INT_PTR answer = FALSE;
    // Nothing may unwind through the platform's dialog manager.
    try {
        answer = dialog->WindowProc(message, wParam, lParam);
    } catch (...) {
        answer = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        dialog->m_hWnd = nullptr;
        CWinApp* app = CWinApp::Current();
        if (app != nullptr && app->m_hMainWnd == window) app->m_hMainWnd = nullptr;
    }
    return answer;
}
