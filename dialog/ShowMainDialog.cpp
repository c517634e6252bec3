#include "dialog/ShowMainDialog.h"

#include "dialog/PixmodeDlg.h"
#include "framework/WinApp.h"

void ShowMainDialog(const DialogServices& services, bool updateRegistry) {
    CPixmodeDlg dialog(services, updateRegistry);
    // The dialog is the application's main window from its creation until it is destroyed.
    dialog.SetAsMainWindow();
    dialog.DoModal();
    if (CWinApp* app = CWinApp::Current()) app->m_hMainWnd = nullptr;
}
