#include "shortcut/ShortcutDlg.h"

#include "res/resource.h"
#include "shortcut/CreateShortcut.h"
#include "shortcut/ShortcutDialogRules.h"

CShortcutDlg::CShortcutDlg(IMessageBox& messages, IFileDialogs& files, IShortcutPlatform& platform)
    : CDialog(IDD_SHORTCUT), m_messages(messages), m_files(files), m_platform(platform) {}

const MessageMap& CShortcutDlg::GetMessageMap() const {
    static const MessageMapOf<CShortcutDlg> map{{
        OnCommand(IDC_BROWSE, BN_CLICKED, &CShortcutDlg::OnBrowse),
    }};
    return map;
}

BOOL CShortcutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const ShortcutLabels labels = ShortcutLabelsFor(m_settings);
    SetDlgItemText(IDC_SHORTCUT_RESOLUTION, labels.resolution);
    SetDlgItemText(IDC_SHORTCUT_COLOURS, labels.colourCount);
    SetDlgItemText(IDC_SHORTCUT_FREQUENCY, labels.frequency);
    if (!labels.showHz) ShowWindow(GetDlgItem(IDC_SHORTCUT_HZ), SW_HIDE);
    SetDlgItemText(IDC_SHORTCUT_DEVICE_NUMBER, labels.deviceNumber);
    if (!labels.showMonitor) ShowWindow(GetDlgItem(IDC_SHORTCUT_MONITOR_LABEL), SW_HIDE);
    if (!labels.showRegistryNote) ShowWindow(GetDlgItem(IDC_SHORTCUT_REGISTRY_NOTE), SW_HIDE);
    SetDlgItemText(IDC_SHORTCUT_EXPLANATION, labels.explanation);
    return TRUE;
}

void CShortcutDlg::OnBrowse() {
    if (!TakeChosenProgram(m_settings, m_files.Open(m_hWnd, ProgramBrowseRequest()))) return;
    EnableDlgItem(IDC_SHORTCUT_PROGRAM, true);
    SetDlgItemText(IDC_SHORTCUT_PROGRAM, m_settings.programPath);
}

void CShortcutDlg::OnOK() {
    if (CreateShortcut(m_settings, IsDlgButtonChecked(IDC_ONLY_WHEN_MAXIMIZED), m_platform, m_messages)) {
        CDialog::OnOK();
    }
}

void ShowShortcutDialog(const ShortcutSettings& settings, IMessageBox& messages, IFileDialogs& files,
                        IShortcutPlatform& platform) {
    CShortcutDlg dialog(messages, files, platform);
    dialog.m_settings = settings;
    dialog.DoModal();
}
