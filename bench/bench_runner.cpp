// Starts a program and its minimal counterpart alternately, many times, and prints the median
// time of each and their ratio. Nothing here is a test: the figures are only printed.
//
//   bench_runner switch <runs> <pixmode.exe> <minimal_switch.exe or minimal_switch_imports.exe>
//       each run: switch the default display to 800 x 600 and back to its current size
//   bench_runner dialog <runs> <pixmode.exe> <minimal_dialog.exe> [minimal's argument]
//       each run: start without options until the dialog's list (1009) is ready, then close it
//   bench_runner floor <runs> <pixmode.exe> <main_dialog_floor.exe>
//       the same, with the floor too timed until its list has rows
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "framework/ScopedHandle.h"

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Child {
    PROCESS_INFORMATION info{};
    bool started = false;
    DWORD error = 0;  // why CreateProcessW failed
    KernelHandle process, thread;

    Child(const std::wstring& exe, const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + exe + L"\"" + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                 &startup, &info) != FALSE;
        if (!started) error = GetLastError();
        process.Reset(info.hProcess);
        thread.Reset(info.hThread);
    }
    // One that outlives the run is ended before its handles close.
    ~Child() {
        if (started && WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) TerminateProcess(process.Get(), 99);
    }
    bool Wait() { return started && WaitForSingleObject(process.Get(), 60000) == WAIT_OBJECT_0; }
};

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

// The program a line or a failure is about.
std::string FileName(const std::wstring& path) { return Narrow(path.substr(path.find_last_of(L"\\/") + 1)); }

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

struct Shown {
    DWORD process;
    std::wstring texts;
};

BOOL CALLBACK AddChildText(HWND control, LPARAM parameter) {
    const std::wstring text = WindowText(control);
    if (!text.empty()) reinterpret_cast<Shown*>(parameter)->texts += L" | " + text;
    return TRUE;
}

BOOL CALLBACK AddShownWindow(HWND window, LPARAM parameter) {
    Shown& shown = *reinterpret_cast<Shown*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != shown.process || !IsWindowVisible(window)) return TRUE;
    shown.texts += L" [\"" + WindowText(window) + L"\"";
    EnumChildWindows(window, AddChildText, parameter);
    shown.texts += L"]";
    return TRUE;
}

// Runs a program to its end; on failure says why, with what a hung program shows (mostly a message box).
double RunToEnd(const std::wstring& exe, const std::wstring& arguments) {
    const double start = Now();
    Child child(exe, arguments);
    const std::string what = FileName(exe) + Narrow(arguments);
    if (!child.started) {
        std::fprintf(stderr, "a run failed: %s did not start (error %lu)\n", what.c_str(), child.error);
        return -1;
    }
    if (!child.Wait()) {
        Shown shown{child.info.dwProcessId, L""};
        EnumWindows(AddShownWindow, reinterpret_cast<LPARAM>(&shown));
        std::fprintf(stderr, "a run failed: %s still running after 60 s; windows:%s\n", what.c_str(),
                     shown.texts.empty() ? " none" : Narrow(shown.texts).c_str());
        return -1;
    }
    const double elapsed = Now() - start;
    DWORD status = 0;
    GetExitCodeProcess(child.process.Get(), &status);
    if (status != 0) {
        std::fprintf(stderr, "a run failed: %s ended with status %lu\n", what.c_str(), status);
        return -1;
    }
    return elapsed;
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    Search& search = *reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == search.process && IsWindowVisible(window) && wcscmp(className, L"#32770") == 0 &&
        GetDlgItem(window, 1009) != nullptr) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Time from the start until the dialog is visible with its list (holding rows when wantRows).
double RunDialog(const std::wstring& exe, const std::wstring& arguments, bool wantRows) {
    const double start = Now();
    Child child(exe, arguments);
    if (!child.started) return -1;
    double ready = -1;
    while (ready < 0 && Now() - start < 30000) {
        Search search{child.info.dwProcessId, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            DWORD_PTR rows = 0;
            SendMessageTimeoutW(GetDlgItem(search.found, 1009), LVM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &rows);
            if (!wantRows || rows > 0) {
                ready = Now() - start;
                PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
                break;
            }
        }
        Sleep(2);
    }
    child.Wait();
    return ready;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Report(const char* what, const std::vector<double>& real, const std::vector<double>& minimal) {
    const double a = Median(real), b = Median(minimal);
    std::printf("%s: pixmode median %.1f ms, minimal median %.1f ms, ratio %.3f (%zu runs each)\n", what, a, b,
                b > 0 ? a / b : 0.0, real.size());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: bench_runner switch|dialog|floor <runs> <pixmode.exe> <minimal.exe> [argument]\n");
        return 2;
    }
    const std::wstring mode = argv[1];
    const int runs = static_cast<int>(wcstol(argv[2], nullptr, 10));
    const std::wstring exes[2] = {argv[3], argv[4]};
    std::vector<double> times[2];

    if (mode == L"switch") {
        DEVMODEW current{};
        current.dmSize = sizeof(current);
        EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current);
        const std::wstring back =
            L" -H" + std::to_wstring(current.dmPelsWidth) + L" -V" + std::to_wstring(current.dmPelsHeight);
        if (RunToEnd(exes[1], L" -H800 -V600") < 0 || RunToEnd(exes[1], back) < 0) return 1;  // warm-up
        for (int run = 0; run < runs; ++run) {
            // Alternate which program goes first, so drift in the machine's load hits both alike.
            for (int k = 0; k < 2; ++k) {
                const int which = (run + k) % 2;
                const double there = RunToEnd(exes[which], L" -H800 -V600");
                const double home = RunToEnd(exes[which], back);
                if (there < 0 || home < 0) return 1;
                times[which].push_back(there + home);
            }
        }
        const std::string label = "(a) command-line switch there and back, against " + FileName(exes[1]);
        Report(label.c_str(), times[0], times[1]);
        return 0;
    }
    if (mode == L"dialog" || mode == L"floor") {
        const std::wstring minimalArguments = argc == 6 ? L" " + std::wstring(argv[5]) : L"";
        // The floor fills its list as pixmode does; the minimal dialogs leave theirs empty.
        const bool minimalRows = mode == L"floor";
        RunDialog(exes[1], minimalArguments, minimalRows);  // warm-up, not counted
        for (int run = 0; run < runs; ++run) {
            for (int k = 0; k < 2; ++k) {
                const int which = (run + k) % 2;
                const double ready =
                    RunDialog(exes[which], which == 0 ? L"" : minimalArguments, which == 0 || minimalRows);
                if (ready < 0) {
                    std::fprintf(stderr, "a dialog did not get ready\n");
                    return 1;
                }
                times[which].push_back(ready);
            }
        }
        const std::string label = "(b) main dialog ready with its list, against " + FileName(exes[1]) +
                                  std::string(minimalArguments.begin(), minimalArguments.end());
        Report(label.c_str(), times[0], times[1]);
        return 0;
    }
    std::fprintf(stderr, "unknown benchmark\n");
    return 2;
}
