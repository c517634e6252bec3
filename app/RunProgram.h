// Running another program at the requested mode, and watching a window by its title.
#pragma once
#include <string>
#include <vector>

#include "app/CommandLineOptions.h"
#include "app/CommandLineState.h"
#include "app/RunServices.h"

// With option X: starts the program, waits for it to end (with R: watches its main window
// instead), then puts the saved mode back. A program that cannot be started is reported.
// Does nothing without option X.
void RunProgramAndRestore(const CommandLineOptions& options, const CommandLineState& state,
                          const RunServices& services);

// With option T: watches each top-level window with that title that shows up within a minute.
// Does nothing without option T.
void WatchWindowsByTitle(const CommandLineOptions& options, const CommandLineState& state, const RunServices& services);

// The writable command-line buffer process creation gets: at least MAX_PATH characters, always
// room for the whole text and its terminating zero.
std::vector<wchar_t> CommandLineBuffer(const std::wstring& commandLine);
