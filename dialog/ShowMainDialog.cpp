#include "dialog/ShowMainDialog.h"

#include "dialog/PixmodeDlg.h"
#include "dialog/ScreenCaps.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Shell.h"
#include "framework/WinApp.h"

void ShowMainDialog() {
    Win32DisplaySettings display;
    Win32MessageBox messages;
    Win32Shell shell;
    Win32ScreenCaps screen;
    CPixmodeDlg dialog(display, messages, shell, screen);
    // The dialog is the application's main window from its creation until it is destroyed.
    dialog.SetAsMainWindow();
    dialog.DoModal();
    if (CWinApp* app = CWinApp::Current()) app->m_hMainWnd = nullptr;
}
