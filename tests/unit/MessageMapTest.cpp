#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "framework/Dialog.h"

namespace {
// A dialog that is never created: its map is driven directly.
class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(1) {}
    std::vector<std::string> calls;

    const MessageMap& GetMessageMap() const override {
        static const MessageMapOf<CProbeDlg> map{{
            OnCommand(100, BN_CLICKED, &CProbeDlg::OnFirst),
            OnCommand(100, CBN_SELCHANGE, &CProbeDlg::OnSecond),
            OnNotify(200, NM_DBLCLK, &CProbeDlg::OnDoubleClick),
            OnMessage<WM_SYSCOMMAND>(&CProbeDlg::OnSysCommand),
        }};
        return map;
    }
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return GetMessageMap().Dispatch(*this, message, wParam, lParam, result);
    }

    void OnFirst() { calls.push_back("first"); }
    void OnSecond() { calls.push_back("second"); }
    LRESULT OnDoubleClick(const NMHDR& header) {
        calls.push_back("double " + std::to_string(header.idFrom));
        return 7;
    }
    bool OnSysCommand(WPARAM command, LPARAM) {
        calls.push_back("sys " + std::to_string(command));
        return command == 16;
    }
};

// Whether OnMessage<Message> can bind a window-message handler at all.
template <UINT Message, class = void>
struct OnMessageBinds : std::false_type {};
template <UINT Message>
struct OnMessageBinds<Message, std::void_t<decltype(OnMessage<Message>(&CProbeDlg::OnSysCommand))>> : std::true_type {};
}  // namespace

TEST(MessageMap, CommandsAndNotificationsCannotBeBoundAsWindowMessages) {
    // A WM_COMMAND or WM_NOTIFY entry without a control would reach a handler of the wrong kind.
    EXPECT_FALSE((OnMessageBinds<WM_COMMAND>::value));
    EXPECT_FALSE((OnMessageBinds<WM_NOTIFY>::value));
    EXPECT_TRUE((OnMessageBinds<WM_SYSCOMMAND>::value));
    EXPECT_TRUE((OnMessageBinds<WM_DESTROY>::value));
}

TEST(MessageMap, CommandsAreBoundByIdAndNotificationCode) {
    CProbeDlg dialog;
    LRESULT result = 0;
    EXPECT_TRUE(dialog.Dispatch(WM_COMMAND, MAKEWPARAM(100, CBN_SELCHANGE), 0, result));
    EXPECT_TRUE(dialog.Dispatch(WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0, result));
    EXPECT_FALSE(dialog.Dispatch(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), 0, result));
    EXPECT_FALSE(dialog.Dispatch(WM_COMMAND, MAKEWPARAM(100, BN_DOUBLECLICKED), 0, result));
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"second", "first"}));
}

TEST(MessageMap, NotificationsAnswerWithTheHandlersResult) {
    CProbeDlg dialog;
    NMHDR header{};
    header.idFrom = 200;
    header.code = NM_DBLCLK;
    LRESULT result = 0;
    EXPECT_TRUE(dialog.Dispatch(WM_NOTIFY, 200, reinterpret_cast<LPARAM>(&header), result));
    EXPECT_EQ(result, 7);
    header.code = NM_CLICK;
    EXPECT_FALSE(dialog.Dispatch(WM_NOTIFY, 200, reinterpret_cast<LPARAM>(&header), result));
    header.code = NM_DBLCLK;
    header.idFrom = 201;
    EXPECT_FALSE(dialog.Dispatch(WM_NOTIFY, 201, reinterpret_cast<LPARAM>(&header), result));
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"double 200"}));
}

TEST(MessageMap, AMessageHandlerCanAskForDefaultProcessing) {
    CProbeDlg dialog;
    LRESULT result = 0;
    EXPECT_TRUE(dialog.Dispatch(WM_SYSCOMMAND, 16, 0, result));
    EXPECT_FALSE(dialog.Dispatch(WM_SYSCOMMAND, SC_CLOSE, 0, result));
    EXPECT_FALSE(dialog.Dispatch(WM_DESTROY, 0, 0, result));
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"sys 16", "sys " + std::to_string(SC_CLOSE)}));
}
