// Message maps: a static table per dialog class, one line per binding of a control
// notification (or a window message) to a handler that takes only what it uses.
//
//   const MessageMap& CMyDlg::GetMessageMap() const {
//       static const MessageMapOf<CMyDlg> map{{
//           OnCommand(IDC_BROWSE, BN_CLICKED, &CMyDlg::OnBrowse),           // void OnBrowse()
//           OnNotify(IDC_LIST, LVN_COLUMNCLICK, &CMyDlg::OnColumnClick),    // LRESULT f(const NMHDR&)
//           OnMessage(WM_SYSCOMMAND, &CMyDlg::OnSysCommand),                // bool f(WPARAM, LPARAM)
//       }};
//       return map;
//   }
#pragma once
#include <windows.h>

#include <initializer_list>
#include <vector>

class CDialog;

class MessageMap {
public:
    virtual ~MessageMap() = default;
    // Runs the handler bound to the message, if any. result receives what the dialog procedure
    // answers (WM_NOTIFY: the notification's result). False: nothing is bound, or a message
    // handler asked for the platform's default processing.
    virtual bool Dispatch(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const = 0;
};

template <class T>
struct MessageMapEntry {
    UINT message;                          // WM_COMMAND, WM_NOTIFY or any window message
    UINT id;                               // control id (WM_COMMAND, WM_NOTIFY)
    UINT code;                             // notification code (WM_COMMAND, WM_NOTIFY)
    void (T::*command)();                  // WM_COMMAND
    LRESULT (T::*notify)(const NMHDR&);    // WM_NOTIFY
    bool (T::*window)(WPARAM, LPARAM);     // other messages; false asks for default processing
};

template <class T>
MessageMapEntry<T> OnCommand(UINT id, UINT code, void (T::*handler)()) {
    return {WM_COMMAND, id, code, handler, nullptr, nullptr};
}

template <class T>
MessageMapEntry<T> OnNotify(UINT id, UINT code, LRESULT (T::*handler)(const NMHDR&)) {
    return {WM_NOTIFY, id, code, nullptr, handler, nullptr};
}

template <class T>
MessageMapEntry<T> OnMessage(UINT message, bool (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, 0, nullptr, nullptr, handler};
}

template <class T>
class MessageMapOf : public MessageMap {
public:
    MessageMapOf(std::initializer_list<MessageMapEntry<T>> entries) : m_entries(entries) {}

    bool Dispatch(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const override {
        T& target = static_cast<T&>(dialog);
        for (const MessageMapEntry<T>& entry : m_entries) {
            if (entry.message != message) continue;
            if (message == WM_COMMAND) {
                if (entry.id != LOWORD(wParam) || entry.code != HIWORD(wParam)) continue;
                (target.*entry.command)();
                result = TRUE;
                return true;
            }
            if (message == WM_NOTIFY) {
                const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
                if (entry.id != header.idFrom || entry.code != header.code) continue;
                result = (target.*entry.notify)(header);
                return true;
            }
            if ((target.*entry.window)(wParam, lParam)) {
                result = TRUE;
                return true;
            }
            return false;
        }
        return false;
    }

private:
    std::vector<MessageMapEntry<T>> m_entries;
};
