// One-line wrappers of buttons (push, check and radio) and static texts.
#pragma once
#include <windows.h>

#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    using CWnd::CWnd;
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, state); }
};

class CStatic : public CWnd {
public:
    using CWnd::CWnd;
};
