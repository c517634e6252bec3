// Splits a command line into arguments the way the Microsoft C runtime builds its argument vector,
// so tests can see what a program receives from a composed command line.
#pragma once
#include <string>
#include <vector>

// Blanks and tabs separate arguments outside double quotes; double quotes group and are removed;
// 2n backslashes before a quote give n backslashes and the quote acts, 2n+1 give n backslashes and
// a literal quote; other backslashes are literal; inside quotes, "" gives one literal quote.
// The text is taken as arguments only (no program name in front).
std::vector<std::wstring> SplitLikeCRuntime(const std::wstring& commandLine);

// The command line that a composed "-X" option hands to the platform for a program path: the
// path itself, in double quotes when it holds a blank or a tab.
inline std::wstring ProgramCommandLineOf(const std::wstring& path) {
    return path.find_first_of(L" \t") == std::wstring::npos ? path : L"\"" + path + L"\"";
}
