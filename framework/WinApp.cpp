#include "framework/WinApp.h"

namespace {
CWinApp* g_currentApp = nullptr;
}

CWinApp::CWinApp() { g_currentApp = this; }

CWinApp::~CWinApp() {
    if (g_currentApp == this) g_currentApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

CWinApp* CWinApp::Current() { return g_currentApp; }

HINSTANCE AppInstance() { return GetModuleHandleW(nullptr); }
