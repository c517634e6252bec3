// The updater: told which program and version it deals with, it looks for a newer release.
#include <windows.h>

#include "framework/SystemLibrary.h"
#include "updater/BuiltFeed.h"
#include "updater/Environment.h"
#include "updater/ParameterLog.h"
#include "updater/UpdateCheck.h"
#include "updater/Win32UpdaterHost.h"
#include "updater/WinHttpClient.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR parameters, int) {
    RestrictDllSearchToSystemFolder();
    const std::wstring text = parameters != nullptr ? parameters : L"";
    const std::wstring logFile = ParameterLogFile();
    if (!logFile.empty()) AppendParameterLine(logFile, text);
    // A failure of the standard library (memory, above all) ends the check without a word.
    try {
        WinHttpClient web;
        Win32UpdaterHost host;
        RunUpdater(text, {kBuiltFeedAddress, EnvironmentValue(kTestFeedVariable)}, web, host);
    } catch (...) {
        return 1;
    }
    return 0;
}
