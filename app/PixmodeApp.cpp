#include "app/PixmodeApp.h"

#include "app/ArgumentVector.h"
#include "app/Clock.h"
#include "app/CommandLineSwitch.h"
#include "app/ProcessServices.h"
#include "app/RunProgram.h"
#include "app/RunServices.h"
#include "app/StartupRun.h"
#include "app/WindowServices.h"
#include "dialog/DialogServices.h"
#include "dialog/ScreenCaps.h"
#include "dialog/ShowMainDialog.h"
#include "dialog/SystemRestart.h"
#include "display/DisplaySettings.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/Shell.h"
#include "shortcut/CreateShortcut.h"

BOOL CPixmodeApp::InitInstance() {
    // The one place the platform's real services are made; everything else is handed them.
    Win32DisplaySettings display;
    Win32MessageBox messages;
    Win32Shell shell;
    Win32ScreenCaps screen;
    Win32SystemRestart restart;
    CFileDialog files;
    Win32ShortcutPlatform shortcuts;
    Win32ProcessServices processes;
    Win32WindowServices windows;
    Win32Clock clock;
    const DialogServices dialogServices{display, messages, shell, screen, restart, files, shortcuts};
    CommandLineSwitch commandLine(display, messages, shell);
    const StartupRun run = RunStartup(ProcessArguments(), updateRegistry, commandLine,
                                      [&] { ShowMainDialog(dialogServices, updateRegistry); });
    // After whatever the startup did, the dialog included: run the program given with X, then
    // watch the window titled with T. Each does nothing without its option.
    const RunServices services{display, messages, processes, windows, clock};
    RunProgramAndRestore(run.options, run.state, services);
    WatchWindowsByTitle(run.options, run.state, services);
    // Every run does its one job inside InitInstance and then ends the process.
    return FALSE;
}
