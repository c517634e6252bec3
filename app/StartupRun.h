// The run up to the chosen work: read the arguments, prepare the command-line state, then do
// the mode-number switch, the desktop options with the requested-mode switch, or the dialog.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/CommandLineOptions.h"
#include "app/CommandLineState.h"

class CommandLineSwitch;

struct StartupRun {
    CommandLineOptions options;
    CommandLineState state;
};

// arguments: the whole argument vector, the program itself first. updateRegistry: the
// application's flag, set by option U. The result feeds the program run and the title watch.
StartupRun RunStartup(const std::vector<std::wstring>& arguments, bool& updateRegistry, CommandLineSwitch& commandLine,
                      const std::function<void()>& showMainDialog);
