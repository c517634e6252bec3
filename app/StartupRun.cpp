#include "app/StartupRun.h"

#include "app/CommandLineParser.h"
#include "app/CommandLineSwitch.h"

StartupRun RunStartup(const std::vector<std::wstring>& arguments, bool& updateRegistry, CommandLineSwitch& commandLine,
                      const std::function<void()>& showMainDialog) {
    StartupRun run;
    run.options = ReadArguments(arguments, updateRegistry);
    // The saved mode is read before the dialog too: a program run afterwards puts it back.
    run.state = commandLine.Prepare(run.options, updateRegistry);
    if (run.options.modeNumber) {
        commandLine.SwitchToModeNumber(*run.options.modeNumber, run.options.quiet, run.state);
    } else if (run.options.fields != 0) {
        commandLine.ApplyDesktopOptions(run.options, run.state);
    } else {
        showMainDialog();
    }
    return run;
}
