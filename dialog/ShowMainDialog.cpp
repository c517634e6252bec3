#include "dialog/ShowMainDialog.h"

// Placeholder until the main dialog lands.
void ShowMainDialog() {}
