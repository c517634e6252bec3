// The updater: told which program and version it deals with, it looks for a newer release.
#include <windows.h>

#include "framework/SystemLibrary.h"
#include "updater/BuiltFeed.h"
#include "updater/Environment.h"
#include "updater/ParameterLog.h"
#include "updater/UpdaterRun.h"
#include "updater/Win32UpdaterHost.h"
#include "updater/Win32WinHttp.h"
#include "updater/WinHttpClient.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR parameters, int) {
    RestrictDllSearchToSystemFolder();
    const std::wstring text = parameters != nullptr ? parameters : L"";
    const std::wstring logFile = ParameterLogFile();
    if (!logFile.empty()) AppendParameterLine(logFile, text);
    // A failure of the standard library (memory, above all) ends the check without a word.
    try {
        // Shared with the thread that asks, which may outlive this run when the server does not
        // answer in time: the process then ends without waiting for it.
        const auto web = std::make_shared<WinHttpClient>(std::make_unique<Win32WinHttp>());
        Win32UpdaterHost host;
        RunUpdater(text, {kBuiltFeedAddress, EnvironmentValue(kTestFeedVariable)}, web, host);
    } catch (...) {
        return 1;
    }
    return 0;
}
