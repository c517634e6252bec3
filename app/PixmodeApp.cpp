#include "app/PixmodeApp.h"

CPixmodeApp& PixmodeApp() { return *static_cast<CPixmodeApp*>(CWinApp::Current()); }

BOOL CPixmodeApp::InitInstance() {
    // Every run does its one job inside InitInstance and then ends the process.
    return FALSE;
}
