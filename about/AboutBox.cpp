#include "about/AboutBox.h"

// Placeholder until the about box lands.
void ShowAboutBox(HWND) {}
