// Automation for the end-to-end tests: finds, reads and presses windows of the program under
// test and reports what the display settings service sees. Every answer is one JSON object
// per line on standard output. Exit code 0: done; 1: bad usage or a failed request; 2: the
// awaited window did not come (or go) in time.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "Displays.h"
#include "IconMatch.h"
#include "JsonLine.h"
#include "ListView.h"
#include "WindowQueries.h"

namespace {

constexpr int kFailed = 1;
constexpr int kTimedOut = 2;
constexpr DWORD kPollMs = 50;

// "--name value" pairs after the subcommand.
class CArguments {
public:
    CArguments(int argc, wchar_t** argv) {
        for (int i = 2; i + 1 < argc; i += 2) m_values[argv[i]] = argv[i + 1];
        m_bComplete = (argc % 2) == 0;
    }
    bool Complete() const { return m_bComplete; }
    bool Has(const wchar_t* name) const { return m_values.count(name) != 0; }
    std::wstring Text(const wchar_t* name) const {
        const auto found = m_values.find(name);
        return found == m_values.end() ? std::wstring() : found->second;
    }
    long long Number(const wchar_t* name, long long fallback) const {
        return Has(name) ? std::wcstoll(Text(name).c_str(), nullptr, 0) : fallback;
    }
    HWND Window() const { return ParseWindow(Text(L"--hwnd")); }

private:
    std::map<std::wstring, std::wstring> m_values;
    bool m_bComplete = false;
};

int Fail(const wchar_t* reason) {
    JsonLine().Add("error", std::wstring(reason)).Print();
    return kFailed;
}

std::int64_t Handle(HWND window) { return static_cast<std::int64_t>(reinterpret_cast<ULONG_PTR>(window)); }

void PrintWindow(const WindowFacts& facts) {
    JsonLine()
        .Add("hwnd", Handle(facts.window))
        .Add("class", facts.className)
        .Add("title", facts.title)
        .Add("pid", static_cast<std::int64_t>(facts.processId))
        .Add("id", static_cast<std::int64_t>(facts.id))
        .Add("visible", facts.visible)
        .Add("enabled", facts.enabled)
        .Add("style", static_cast<std::int64_t>(static_cast<DWORD>(facts.style)))
        .Print();
}

// A message box holds only its text (0xFFFF), its icon and its buttons. The main dialog shares its
// class and caption, so a wait for a box must not take the dialog that is already there.
bool IsMessageBox(HWND window) {
    bool hasText = false;
    for (HWND child : ChildWindows(window)) {
        const WindowFacts facts = DescribeWindow(child);
        if (facts.className == L"Static") {
            hasText = hasText || facts.id == 0xFFFF;
        } else if (facts.className != L"Button") {
            return false;
        }
    }
    return hasText;
}

bool Matches(const WindowFacts& facts, const CArguments& args) {
    if (args.Has(L"--class") && facts.className != args.Text(L"--class")) return false;
    if (args.Has(L"--title") && facts.title != args.Text(L"--title")) return false;
    if (args.Has(L"--pid") && facts.processId != static_cast<DWORD>(args.Number(L"--pid", 0))) return false;
    if (!facts.visible && !args.Has(L"--hidden")) return false;
    return !args.Has(L"--message-box") || IsMessageBox(facts.window);
}

int ListWindows(const CArguments& args) {
    for (HWND window : TopLevelWindows()) {
        const WindowFacts facts = DescribeWindow(window);
        if (Matches(facts, args)) PrintWindow(facts);
    }
    return 0;
}

int WaitWindow(const CArguments& args) {
    const DWORD limit = static_cast<DWORD>(args.Number(L"--timeout", 10000));
    const DWORD start = GetTickCount();
    for (;;) {
        for (HWND window : TopLevelWindows()) {
            const WindowFacts facts = DescribeWindow(window);
            if (Matches(facts, args)) {
                PrintWindow(facts);
                return 0;
            }
        }
        if (GetTickCount() - start >= limit) {
            JsonLine().Add("error", "timeout").Print();
            return kTimedOut;
        }
        Sleep(kPollMs);
    }
}

int WaitGone(const CArguments& args) {
    const HWND window = args.Window();
    const DWORD limit = static_cast<DWORD>(args.Number(L"--timeout", 10000));
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= limit) {
            JsonLine().Add("error", "timeout").Print();
            return kTimedOut;
        }
        Sleep(kPollMs);
    }
    JsonLine().Add("gone", true).Print();
    return 0;
}

int Children(const CArguments& args) {
    for (HWND child : ChildWindows(args.Window())) PrintWindow(DescribeWindow(child));
    return 0;
}

HWND Control(const CArguments& args) { return GetDlgItem(args.Window(), static_cast<int>(args.Number(L"--id", 0))); }

int ReadControl(const CArguments& args) {
    HWND control = Control(args);
    if (control == nullptr) return Fail(L"no such control");
    const WindowFacts facts = DescribeWindow(control);
    LRESULT checked = 0;
    SendWithTimeout(control, BM_GETCHECK, 0, 0, &checked);
    JsonLine()
        .Add("hwnd", Handle(control))
        .Add("class", facts.className)
        .Add("text", facts.title)
        .Add("id", static_cast<std::int64_t>(facts.id))
        .Add("visible", facts.visible)
        .Add("enabled", facts.enabled)
        .Add("checked", static_cast<std::int64_t>(facts.className == L"Button" ? checked : 0))
        .Add("style", static_cast<std::int64_t>(static_cast<DWORD>(facts.style)))
        .Print();
    return 0;
}

int MessageBoxFacts(const CArguments& args) {
    HWND box = args.Window();
    if (!IsWindow(box)) return Fail(L"no such window");
    HWND textControl = GetDlgItem(box, 0xFFFF);
    std::vector<int> buttons;
    for (const int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDTRYAGAIN, IDCONTINUE}) {
        HWND button = GetDlgItem(box, id);
        if (button != nullptr && IsWindowVisible(button)) buttons.push_back(id);
    }
    JsonLine()
        .Add("hwnd", Handle(box))
        .Add("caption", WindowText(box))
        .Add("text", textControl != nullptr ? WindowText(textControl) : std::wstring())
        .Add("buttons", buttons)
        .Add("icon", IdentifyBoxIcon(box))
        .Print();
    return 0;
}

int Click(const CArguments& args) {
    HWND button = Control(args);
    if (button == nullptr) return Fail(L"no such control");
    // BM_CLICK returns only after the owner has handled the press, or the timeout has passed.
    if (!SendWithTimeout(button, BM_CLICK, 0, 0, nullptr) && IsWindow(button)) {
        return Fail(L"the button did not answer");
    }
    JsonLine().Add("clicked", static_cast<std::int64_t>(args.Number(L"--id", 0))).Print();
    return 0;
}

// A posted click: for buttons whose press opens a modal window, which a sent click would wait on.
int Press(const CArguments& args) {
    HWND button = Control(args);
    if (button == nullptr || !PostMessageW(button, BM_CLICK, 0, 0)) return Fail(L"no such control");
    JsonLine().Add("pressed", static_cast<std::int64_t>(args.Number(L"--id", 0))).Print();
    return 0;
}

// A link control acts on a button press and release over a link; (4, 4) lies inside its first
// link when the text starts with one. Posted, because the link may open a modal window.
int PressLink(const CArguments& args) {
    HWND link = Control(args);
    const LPARAM point = MAKELPARAM(4, 4);
    if (link == nullptr || !PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, point) ||
        !PostMessageW(link, WM_LBUTTONUP, 0, point)) {
        return Fail(L"no such control");
    }
    JsonLine().Add("pressed", static_cast<std::int64_t>(args.Number(L"--id", 0))).Print();
    return 0;
}

// The control, or its first descendant of the given class (such as the edit inside a combo box,
// which an extended combo box wraps in one more window).
HWND ControlOrDescendant(const CArguments& args) {
    HWND control = Control(args);
    if (control == nullptr || !args.Has(L"--child-class")) return control;
    for (HWND child : ChildWindows(control)) {
        if (DescribeWindow(child).className == args.Text(L"--child-class")) return child;
    }
    return nullptr;
}

// WM_SETTEXT, which the system marshals into the other process.
int SetText(const CArguments& args) {
    HWND control = ControlOrDescendant(args);
    if (control == nullptr) return Fail(L"no such control");
    const std::wstring text = args.Text(L"--text");
    LRESULT done = FALSE;
    if (!SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &done) || !done) {
        return Fail(L"the text was not taken");
    }
    JsonLine().Add("hwnd", Handle(control)).Add("text", WindowText(control)).Print();
    return 0;
}

int Close(const CArguments& args) {
    if (!PostMessageW(args.Window(), WM_CLOSE, 0, 0)) return Fail(L"no such window");
    JsonLine().Add("closed", Handle(args.Window())).Print();
    return 0;
}

int ListViewRows(const CArguments& args) {
    HWND list = Control(args);
    if (list == nullptr) return Fail(L"no such control");
    std::vector<ListViewRow> rows;
    std::vector<std::wstring> headers;
    if (!ReadListView(list, &rows, &headers)) return Fail(L"the list view could not be read");
    JsonLine().Add("headers", headers).Add("count", static_cast<std::int64_t>(rows.size())).Print();
    for (size_t i = 0; i < rows.size(); ++i) {
        JsonLine()
            .Add("row", static_cast<std::int64_t>(i))
            .Add("cells", rows[i].cells)
            .Add("selected", rows[i].selected)
            .Add("focused", rows[i].focused)
            .Add("param", static_cast<std::int64_t>(rows[i].param))
            .Print();
    }
    return 0;
}

int SelectRow(const CArguments& args) {
    HWND list = Control(args);
    if (list == nullptr) return Fail(L"no such control");
    if (!args.Has(L"--row")) return Fail(L"which row?");
    const long long row = args.Number(L"--row", -1);
    if (!SelectListViewRow(list, static_cast<int>(row))) return Fail(L"the row could not be selected");
    JsonLine().Add("selected", row).Print();
    return 0;
}

// Chooses a combo box item and tells the owner, as a choice made by the user would.
int SelectItem(const CArguments& args) {
    HWND combo = Control(args);
    if (combo == nullptr) return Fail(L"no such control");
    if (!args.Has(L"--index")) return Fail(L"which item?");
    const long long index = args.Number(L"--index", -1);
    LRESULT selected = CB_ERR;
    if (!SendWithTimeout(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, &selected) || selected != index) {
        return Fail(L"no such item");
    }
    const int id = GetDlgCtrlID(combo);
    if (!SendWithTimeout(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo),
                         nullptr)) {
        return Fail(L"the dialog did not answer");
    }
    JsonLine().Add("selected", index).Print();
    return 0;
}

int ComboItems(const CArguments& args) {
    HWND combo = Control(args);
    if (combo == nullptr) return Fail(L"no such control");
    LRESULT count = 0;
    LRESULT selection = CB_ERR;
    if (!SendWithTimeout(combo, CB_GETCOUNT, 0, 0, &count) || !SendWithTimeout(combo, CB_GETCURSEL, 0, 0, &selection)) {
        return Fail(L"the combo box did not answer");
    }
    std::vector<std::wstring> items;
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0;
        if (!SendWithTimeout(combo, CB_GETLBTEXTLEN, i, 0, &length) || length < 0) return Fail(L"bad item");
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        if (!SendWithTimeout(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()), &length) || length < 0) {
            return Fail(L"bad item");
        }
        text.resize(static_cast<size_t>(length));
        items.push_back(text);
    }
    JsonLine().Add("items", items).Add("selected", static_cast<std::int64_t>(selection)).Print();
    return 0;
}

void Usage() {
    JsonLine()
        .Add("usage",
             std::wstring(L"e2e-driver list-windows|wait-window [--class C] [--title T] [--pid P] "
                          L"[--hidden 1] [--message-box 1] [--timeout MS] | wait-gone --hwnd H [--timeout MS] | "
                          L"children|message-box|close --hwnd H | control|click|press|press-link|listview|combo "
                          L"--hwnd H --id N | set-text --hwnd H --id N [--child-class C] --text T | "
                          L"select-row --hwnd H --id N --row R | select-item --hwnd H --id N --index I | "
                          L"displays | modes [--device NAME] | change [--device NAME] "
                          L"--width W --height H [--frequency F] [--x X --y Y] [--flags N]"))
        .Print();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        Usage();
        return kFailed;
    }
    const std::wstring command = argv[1];
    const CArguments args(argc, argv);
    if (!args.Complete()) {
        Usage();
        return kFailed;
    }
    if (command == L"list-windows") return ListWindows(args);
    if (command == L"wait-window") return WaitWindow(args);
    if (command == L"wait-gone") return WaitGone(args);
    if (command == L"children") return Children(args);
    if (command == L"control") return ReadControl(args);
    if (command == L"message-box") return MessageBoxFacts(args);
    if (command == L"click") return Click(args);
    if (command == L"press") return Press(args);
    if (command == L"press-link") return PressLink(args);
    if (command == L"set-text") return SetText(args);
    if (command == L"close") return Close(args);
    if (command == L"listview") return ListViewRows(args);
    if (command == L"combo") return ComboItems(args);
    if (command == L"select-row") return SelectRow(args);
    if (command == L"select-item") return SelectItem(args);
    if (command == L"displays") return PrintDisplays();
    if (command == L"modes") return PrintModes(args.Text(L"--device"));
    if (command == L"change") {
        const bool placed = args.Has(L"--x") || args.Has(L"--y");
        const POINTL position{static_cast<LONG>(args.Number(L"--x", 0)), static_cast<LONG>(args.Number(L"--y", 0))};
        return ChangeMode(args.Text(L"--device"), static_cast<DWORD>(args.Number(L"--width", 0)),
                          static_cast<DWORD>(args.Number(L"--height", 0)),
                          static_cast<DWORD>(args.Number(L"--frequency", 0)),
                          static_cast<DWORD>(args.Number(L"--flags", 0)), placed ? &position : nullptr);
    }
    Usage();
    return kFailed;
}
