// The main dialog: the device list with its labels, the mode list, the rotation group, the
// check boxes and the buttons that hand the selection to the other parts of the program.
#pragma once
#include <windows.h>

#include <string>

#include "dialog/DeviceList.h"
#include "dialog/DialogServices.h"
#include "dialog/MainDialogActions.h"
#include "dialog/ModeList.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"
#include "framework/ListCtrl.h"

class CPixmodeDlg : public CDialog {
public:
    // updateRegistry: the initial state of "Change Permanent" (option U).
    CPixmodeDlg(const DialogServices& services, bool updateRegistry, MainDialogActions actions = MainDialogActions());
    ~CPixmodeDlg() override;

    // The device list's text; empty for none (the default display).
    std::wstring GetSelectedDeviceName() const;
    bool HasSelectedDevice() const { return m_deviceList.GetCurSel() != CB_ERR; }
    // The record of the selected entry, or none.
    const DeviceEntry* GetSelectedDeviceEntry() const;
    // The ModeTable index of the selected mode, or -1.
    int GetSelectedModeIndex() const;
    const ModeTable& GetModeTable() const { return m_modeTable; }
    const CListCtrl& GetModeList() const { return m_modeList; }
    // The device list's entries and the records they own (freed when the window is destroyed).
    const DeviceList& GetDevices() const { return m_devices; }

    // Refills ModeTable and the mode list for the device (null: the default display).
    void FillModeList(const wchar_t* deviceName);
    // Sorts by column in the direction m_bSortAscending holds and moves the header marker.
    void SortModeList(int column);

    int m_nSortColumn = 0;
    bool m_bSortAscending = true;
    int m_nOrientation = 0;

protected:
    const MessageMap& GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnRefresh();
    LRESULT OnColumnClick(const NMHDR& header);
    LRESULT OnListDoubleClick(const NMHDR& header);
    void OnMakePrimary();
    void OnMakeSole();
    void OnExtend();
    void OnSwitch();
    void OnShortcut();
    void OnHelp();
    void OnAbout();
    bool OnSysCommand(WPARAM command, LPARAM);
    bool OnDestroy(WPARAM, LPARAM);

private:
    void SetUpModeList();
    void FillDeviceList();
    void ShowDeviceLabels(const DeviceEntry& entry);

    DialogServices m_services;
    bool m_bUpdateRegistry;
    MainDialogActions m_actions;

    HICON m_hIcon;
    ModeTable m_modeTable;
    CListCtrl m_modeList;
    CImageList m_rowImages;
    CImageList m_headerImages;
    CComboBox m_deviceList;
    DeviceList m_devices;
};
