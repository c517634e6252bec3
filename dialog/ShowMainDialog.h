// The main dialog, shown modally when the command line asks for no work.
#pragma once

// Runs the main dialog as the application's main window until it closes.
void ShowMainDialog();
