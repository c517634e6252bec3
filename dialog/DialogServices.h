// The platform services the main dialog and the dialogs and programs it starts work through. The
// application builds the real ones once; tests hand in fakes.
#pragma once

class IDisplaySettings;
class IFileDialogs;
class IMessageBox;
class IScreenCaps;
class IShell;
class IShortcutPlatform;
class ISystemRestart;

struct DialogServices {
    IDisplaySettings& display;
    IMessageBox& messages;
    IShell& shell;
    IScreenCaps& screen;
    ISystemRestart& restart;
    IFileDialogs& files;
    IShortcutPlatform& shortcuts;
};
