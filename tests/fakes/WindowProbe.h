// Whether this test run can create windows at all (Wine without an X display cannot).
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

inline bool CanCreateWindows() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (probe == nullptr) return false;
    DestroyWindow(probe);
    return true;
}

// Set by scripts/test-all, which always gives the tests a display: there a test that could not
// create its window failed, and a skip would hide a broken display behind a green count.
inline bool WindowsRequired() { return GetEnvironmentVariableW(L"PIXMODE_REQUIRE_WINDOWS", nullptr, 0) != 0; }

// Skips the test (fails it where windows are required) unless `created` holds.
#define SKIP_WITHOUT_WINDOW(created)                                                                              \
    do {                                                                                                          \
        if (created) break;                                                                                       \
        if (WindowsRequired())                                                                                    \
            GTEST_FAIL() << "no window could be created, though PIXMODE_REQUIRE_WINDOWS says there is a display"; \
        GTEST_SKIP() << "no window can be created here (run with an X display)";                                  \
    } while (false)
