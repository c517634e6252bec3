// The main dialog, shown modally when the command line asks for no work.
#pragma once

struct DialogServices;

// Runs the main dialog as the application's main window until it closes. updateRegistry: the
// initial state of "Change Permanent".
void ShowMainDialog(const DialogServices& services, bool updateRegistry);
