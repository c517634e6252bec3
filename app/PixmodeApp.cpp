#include "app/PixmodeApp.h"

#include "app/ArgumentVector.h"
#include "app/CommandLineSwitch.h"
#include "app/StartupRun.h"
#include "dialog/ShowMainDialog.h"
#include "display/DisplaySettings.h"
#include "framework/MessageBox.h"
#include "framework/Shell.h"

CPixmodeApp& PixmodeApp() { return *static_cast<CPixmodeApp*>(CWinApp::Current()); }

BOOL CPixmodeApp::InitInstance() {
    Win32DisplaySettings display;
    Win32MessageBox messages;
    Win32Shell shell;
    CommandLineSwitch commandLine(display, messages, shell);
    // The startup's options and state are what a program run (X) and a title watch (T) take next.
    RunStartup(ProcessArguments(), updateRegistry, commandLine, ShowMainDialog);
    // Every run does its one job inside InitInstance and then ends the process.
    return FALSE;
}
