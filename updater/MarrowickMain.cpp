// The updater: told which program and version it deals with, it says what it can find out.
#include <windows.h>

#include "framework/SystemLibrary.h"
#include "updater/ParameterLog.h"
#include "updater/UpdaterMessage.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR parameters, int) {
    RestrictDllSearchToSystemFolder();
    const std::wstring text = parameters != nullptr ? parameters : L"";
    const std::wstring logFile = ParameterLogFile();
    if (!logFile.empty()) AppendParameterLine(logFile, text);
    const UpdaterMessage message = UpdaterMessageFor(text);
    if (message.show) MessageBoxW(nullptr, message.text.c_str(), kUpdaterCaption, message.style);
    return 0;
}
