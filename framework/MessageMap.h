// Message maps: a static table per dialog class, one line per binding of a control
// notification (or a window message) to a handler that takes only what it uses.
//
//   const MessageMap& CMyDlg::GetMessageMap() const {
//       static const MessageMapOf<CMyDlg> map{{
//           OnCommand(IDC_BROWSE, BN_CLICKED, &CMyDlg::OnBrowse),           // void OnBrowse()
//           OnNotify(IDC_LIST, LVN_COLUMNCLICK, &CMyDlg::OnColumnClick),    // LRESULT f(const NMHDR&)
//           OnMessage<WM_SYSCOMMAND>(&CMyDlg::OnSysCommand),                // bool f(WPARAM, LPARAM)
//       }};
//       return map;
//   }
#pragma once
#include <windows.h>

#include <initializer_list>
#include <type_traits>
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

// What an entry binds: a control's command, a control's notification, or another window message.
enum class MessageKind { Command, Notify, Window };

template <class T>
struct MessageMapEntry {
    MessageKind kind;
    UINT message;                        // the window message (Window entries)
    UINT id;                             // control id (Command, Notify)
    UINT code;                           // notification code (Command, Notify)
    void (T::*command)();                // Command
    LRESULT (T::*notify)(const NMHDR&);  // Notify
    bool (T::*window)(WPARAM, LPARAM);   // Window; false asks for default processing
};

template <class T>
MessageMapEntry<T> OnCommand(UINT id, UINT code, void (T::*handler)()) {
    return {MessageKind::Command, WM_COMMAND, id, code, handler, nullptr, nullptr};
}

template <class T>
MessageMapEntry<T> OnNotify(UINT id, UINT code, LRESULT (T::*handler)(const NMHDR&)) {
    return {MessageKind::Notify, WM_NOTIFY, id, code, nullptr, handler, nullptr};
}

// Any message but WM_COMMAND and WM_NOTIFY, which are bound per control with OnCommand and
// OnNotify: OnMessage<WM_COMMAND> has no overload to call and does not compile.
template <UINT Message, class T, std::enable_if_t<Message != WM_COMMAND && Message != WM_NOTIFY, int> = 0>
MessageMapEntry<T> OnMessage(bool (T::*handler)(WPARAM, LPARAM)) {
    return {MessageKind::Window, Message, 0, 0, nullptr, nullptr, handler};
}

template <class T>
class MessageMapOf : public MessageMap {
public:
    MessageMapOf(std::initializer_list<MessageMapEntry<T>> entries) : m_entries(entries) {}

    bool Dispatch(CDialog& dialog, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const override {
        T& target = static_cast<T&>(dialog);
        for (const MessageMapEntry<T>& entry : m_entries) {
            if (entry.message != message) continue;
            switch (entry.kind) {
            case MessageKind::Command:
                if (entry.id != LOWORD(wParam) || entry.code != HIWORD(wParam)) continue;
                (target.*entry.command)();
                result = TRUE;
                return true;
            case MessageKind::Notify: {
                const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
                if (entry.id != header.idFrom || entry.code != header.code) continue;
                result = (target.*entry.notify)(header);
                return true;
            }
            case MessageKind::Window:
                if (!(target.*entry.window)(wParam, lParam)) return false;
                result = TRUE;
                return true;
            }
        }
        return false;
    }

private:
    std::vector<MessageMapEntry<T>> m_entries;
};
