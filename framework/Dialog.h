// The framework's dialog class: a modal (or, for tests, modeless) dialog over a template, with a
// message map, data exchange and the usual OK/Cancel ending.
//
//   class CMyDlg : public CDialog {
//   public:
//       CMyDlg() : CDialog(IDD_MY) {}            // no parent: the application's main window owns it
//   protected:
//       const MessageMap& GetMessageMap() const override;  // see MessageMap.h
//       void DoDataExchange(CDataExchange* pDX) override {  // bind control wrappers
//           CDialog::DoDataExchange(pDX);
//           DDX_Control(pDX, IDC_LIST, m_list);
//       }
//       BOOL OnInitDialog() override { CDialog::OnInitDialog(); /* fill controls */ return TRUE; }
//       void OnOK() override { /* act */ CDialog::OnOK(); }  // OnCancel: EndDialog(IDCANCEL)
//   };
#pragma once
#include <windows.h>

#include <string>

#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDialog;

// Handed to DoDataExchange: binds controls to their wrappers when the dialog initialises.
struct CDataExchange {
    CDialog& dialog;
};

// Binds the wrapper to the dialog's control id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    // parent: the owner window; none gives the application's main window as owner.
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    // Destroys a window that is still open. By then the derived class is gone, so a class whose
    // clean-up handlers use its members destroys the window in its own destructor.
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally; the result is what EndDialog was given, or -1 when the
    // dialog could not be created.
    INT_PTR DoModal();
    // Creates the dialog modelessly (shown when its template says so); false on failure.
    bool Create();
    // Ends a modal dialog with result; destroys a modeless one.
    void EndDialog(INT_PTR result);

    // While the dialog's window exists it is the application's main window.
    void SetAsMainWindow() { m_bMainWindow = true; }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void SetDlgItemText(int id, const std::wstring& text) const { ::SetDlgItemTextW(m_hWnd, id, text.c_str()); }
    bool IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void CheckDlgButton(int id, bool checked) const {
        ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void EnableDlgItem(int id, bool enable) const { ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE); }
    // Over the owner when it is visible and not minimised, otherwise in the work area of the
    // dialog's monitor.
    void CenterWindow() const;

    // Per message: the message map first, then the framework's own handling.
    virtual INT_PTR WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // The base runs DoDataExchange, which binds the controls. Returning TRUE lets the platform
    // choose the first focused control.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    // The class's bindings; the base has none.
    virtual const MessageMap& GetMessageMap() const;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Owner() const;

    UINT m_nTemplateId;
    HWND m_hParent;
    bool m_bModal = false;
    bool m_bMainWindow = false;
};
