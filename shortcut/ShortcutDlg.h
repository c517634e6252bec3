// The shortcut dialog: shows the settings taken from the main dialog, lets the user pick the
// program to run, and writes the desktop shortcut.
#pragma once
#include "framework/Dialog.h"
#include "shortcut/ShortcutSettings.h"

class IMessageBox;
class IFileDialogs;
class IShortcutPlatform;

class CShortcutDlg : public CDialog {
public:
    // No parent: the framework makes the main window the owner.
    CShortcutDlg(IMessageBox& messages, IFileDialogs& files, IShortcutPlatform& platform);

    // Filled by the main dialog before DoModal; every field starts not given.
    ShortcutSettings m_settings;

protected:
    const MessageMap& GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnBrowse();

private:
    IMessageBox& m_messages;
    IFileDialogs& m_files;
    IShortcutPlatform& m_platform;
};

// Runs the shortcut dialog modally over the given services with the given settings.
void ShowShortcutDialog(const ShortcutSettings& settings, IMessageBox& messages, IFileDialogs& files,
                        IShortcutPlatform& platform);
