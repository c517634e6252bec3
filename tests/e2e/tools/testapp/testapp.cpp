// A window program for the end-to-end tests of running a program at a mode. Its window does
// what the command line scripts, at the given times after start:
//
//   testapp.exe [--title TEXT] [--class NAME] [--hidden] [--extra N] [--tool]
//               [--script ACTION@MS,...] [--control FILE] [--log FILE]
//
//   --title    caption of the main window (default "Pixmode Test App")
//   --class    window class name of the main window (default "PixmodeTestApp")
//   --hidden   never show the main window
//   --extra    also show N more plain top-level windows on the same thread
//   --tool     give the extra windows the tool-window style (so the main window wins the choice)
//   --script   actions: maximize, minimize, restore, front, popup, closepopup, second, closesecond,
//              close (destroy the main window, keep running), exitN (end with code N),
//              crash (unhandled access violation), abort
//   --control  a file polled every 100 ms; its comma-separated actions run at once, then it is emptied
//   --log      a file that gets "ready <main window>" and then one line per action done with its
//              time and the foreground window afterwards ("maximize 1012 foreground 65612")
//
// With PIXMODE_TESTAPP_STARTS set, every start adds "started <own path>" to that file, so a test
// can tell which copy of the program a command line started.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {
constexpr wchar_t kOtherClass[] = L"PixmodeTestAppOther";

struct Action {
    std::wstring name;
    UINT delayMs;
};

struct Settings {
    std::wstring title = L"Pixmode Test App";
    std::wstring className = L"PixmodeTestApp";
    bool hidden = false;
    int extra = 0;
    bool tool = false;
    std::vector<Action> script;
    std::wstring controlFile;
    std::wstring logFile;
};

struct State {
    Settings settings;
    HWND main = nullptr;
    HWND popup = nullptr;
    HWND second = nullptr;
    ULONGLONG start = 0;
    // Crashing and aborting happen outside any window procedure, where the platform might
    // swallow the exception.
    std::wstring fatal;
    // Script actions by the id of the thread timer that runs them; timers without a window go on
    // after the main window is closed.
    std::map<UINT_PTR, std::wstring> pending;
    UINT_PTR controlTimer = 0;
    bool quit = false;
    int exitCode = 0;
} state;

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    size_t from = 0;
    while (from <= text.size()) {
        size_t to = text.find(separator, from);
        if (to == std::wstring::npos) to = text.size();
        std::wstring part = text.substr(from, to - from);
        while (!part.empty() && (part.back() == L' ' || part.back() == L'\r' || part.back() == L'\n')) part.pop_back();
        while (!part.empty() && part.front() == L' ') part.erase(part.begin());
        if (!part.empty()) parts.push_back(part);
        from = to + 1;
    }
    return parts;
}

std::vector<Action> ParseScript(const std::wstring& text) {
    std::vector<Action> actions;
    for (const std::wstring& item : Split(text, L',')) {
        const size_t at = item.find(L'@');
        const std::wstring name = item.substr(0, at);
        const UINT delay =
            at == std::wstring::npos ? 0 : static_cast<UINT>(wcstoul(item.c_str() + at + 1, nullptr, 10));
        actions.push_back({name, delay});
    }
    return actions;
}

Settings ParseArguments(int count, wchar_t** arguments) {
    Settings settings;
    for (int i = 1; i < count; ++i) {
        const std::wstring option = arguments[i];
        const bool hasValue = i + 1 < count;
        if (option == L"--hidden") {
            settings.hidden = true;
        } else if (option == L"--tool") {
            settings.tool = true;
        } else if (option == L"--title" && hasValue) {
            settings.title = arguments[++i];
        } else if (option == L"--class" && hasValue) {
            settings.className = arguments[++i];
        } else if (option == L"--extra" && hasValue) {
            settings.extra = _wtoi(arguments[++i]);
        } else if (option == L"--script" && hasValue) {
            settings.script = ParseScript(arguments[++i]);
        } else if (option == L"--control" && hasValue) {
            settings.controlFile = arguments[++i];
        } else if (option == L"--log" && hasValue) {
            settings.logFile = arguments[++i];
        }
    }
    return settings;
}

void Append(const std::wstring& path, const std::wstring& line) {
    FILE* file = _wfopen(path.c_str(), L"ab");
    if (file == nullptr) return;
    const std::string narrow(line.begin(), line.end());
    std::fprintf(file, "%s\n", narrow.c_str());
    std::fclose(file);
}

void Log(const std::wstring& line) {
    if (!state.settings.logFile.empty()) Append(state.settings.logFile, line);
}

void LogStart() {
    const DWORD size = GetEnvironmentVariableW(L"PIXMODE_TESTAPP_STARTS", nullptr, 0);
    if (size == 0) return;
    std::wstring startsFile(size, L'\0');
    startsFile.resize(GetEnvironmentVariableW(L"PIXMODE_TESTAPP_STARTS", &startsFile[0], size));
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size())));
    Append(startsFile, L"started " + path);
}

HWND CreateTopLevel(const wchar_t* className, const std::wstring& title, DWORD style, DWORD exStyle, int offset) {
    return CreateWindowExW(exStyle, className, title.c_str(), style, 40 + offset, 40 + offset, 480, 320, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Bring(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

void Perform(const std::wstring& action) {
    if (action == L"maximize") {
        ShowWindow(state.main, SW_MAXIMIZE);
        SetForegroundWindow(state.main);
    } else if (action == L"minimize") {
        ShowWindow(state.main, SW_MINIMIZE);
    } else if (action == L"restore") {
        ShowWindow(state.main, SW_RESTORE);
    } else if (action == L"front") {
        SetForegroundWindow(state.main);
    } else if (action == L"popup") {
        if (state.popup == nullptr) {
            state.popup = CreateTopLevel(kOtherClass, L"Popup", WS_POPUP | WS_BORDER, 0, 60);
        }
        Bring(state.popup);
    } else if (action == L"closepopup" && state.popup != nullptr) {
        DestroyWindow(state.popup);
        state.popup = nullptr;
    } else if (action == L"second") {
        if (state.second == nullptr) {
            state.second = CreateTopLevel(kOtherClass, state.settings.title + L" (second)", WS_OVERLAPPEDWINDOW, 0, 80);
        }
        Bring(state.second);
    } else if (action == L"closesecond" && state.second != nullptr) {
        DestroyWindow(state.second);
        state.second = nullptr;
    } else if (action == L"close" && state.main != nullptr) {
        DestroyWindow(state.main);
        state.main = nullptr;
    } else if (action.rfind(L"exit", 0) == 0) {
        state.exitCode = _wtoi(action.c_str() + 4);
        state.quit = true;
    } else if (action == L"crash" || action == L"abort") {
        state.fatal = action;
    }
    Log(action + L" " + std::to_wstring(GetTickCount64() - state.start) + L" foreground " +
        std::to_wstring(reinterpret_cast<uintptr_t>(GetForegroundWindow())) + L" zoomed " +
        std::to_wstring(state.main != nullptr && IsZoomed(state.main)));
}

std::wstring TakeControlText() {
    const std::wstring& path = state.settings.controlFile;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (file == nullptr) return std::wstring();
    std::string text;
    char chunk[256];
    size_t read = 0;
    while ((read = std::fread(chunk, 1, sizeof(chunk), file)) > 0) text.append(chunk, read);
    std::fclose(file);
    if (text.empty()) return std::wstring();
    FILE* empty = _wfopen(path.c_str(), L"wb");
    if (empty != nullptr) std::fclose(empty);
    return std::wstring(text.begin(), text.end());
}

void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    if (id == state.controlTimer) {
        for (const std::wstring& action : Split(TakeControlText(), L',')) Perform(action);
        return;
    }
    const auto due = state.pending.find(id);
    if (due == state.pending.end()) return;
    KillTimer(nullptr, id);
    const std::wstring action = due->second;
    state.pending.erase(due);
    Perform(action);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE && window == state.main) {
        state.quit = true;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterClassNamed(const wchar_t* name) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

// Ends the process as an unhandled exception does, with its code, but without the crash
// dialog or debugger the platform would otherwise start and leave waiting.
LONG WINAPI EndOnUnhandledException(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }

[[noreturn]] void Die(const std::wstring& how) {
    if (how == L"abort") {
        _set_error_mode(_OUT_TO_STDERR);
        std::abort();
    }
    SetUnhandledExceptionFilter(EndOnUnhandledException);
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::abort();
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    state.settings = ParseArguments(count, arguments);
    LocalFree(arguments);
    state.start = GetTickCount64();
    LogStart();

    RegisterClassNamed(state.settings.className.c_str());
    RegisterClassNamed(kOtherClass);
    state.main = CreateTopLevel(state.settings.className.c_str(), state.settings.title, WS_OVERLAPPEDWINDOW, 0, 0);
    if (state.main == nullptr) return 90;
    for (int i = 0; i < state.settings.extra; ++i) {
        const HWND extra =
            CreateTopLevel(kOtherClass, state.settings.title + L" extra " + std::to_wstring(i), WS_OVERLAPPEDWINDOW,
                           state.settings.tool ? WS_EX_TOOLWINDOW : 0, 20 * (i + 1));
        ShowWindow(extra, SW_SHOWNOACTIVATE);
    }
    if (!state.settings.hidden) Bring(state.main);
    for (const Action& action : state.settings.script) {
        state.pending[SetTimer(nullptr, 0, action.delayMs, OnTimer)] = action.name;
    }
    if (!state.settings.controlFile.empty()) state.controlTimer = SetTimer(nullptr, 0, 100, OnTimer);
    Log(L"ready " + std::to_wstring(reinterpret_cast<uintptr_t>(state.main)));

    MSG message;
    while (!state.quit && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (!state.fatal.empty()) Die(state.fatal);
    }
    return state.exitCode;
}
