#include "framework/MessageBox.h"

#include "framework/FrameworkIds.h"
#include "framework/LateLoaded.h"
#include "framework/Strings.h"

UINT FrameworkBoxStyle(UINT type) {
    if ((type & MB_ICONMASK) != 0) return type;
    const UINT buttons = type & MB_TYPEMASK;
    const bool asks = buttons == MB_YESNO || buttons == MB_YESNOCANCEL;
    return type | (asks ? MB_ICONQUESTION : MB_ICONEXCLAMATION);
}

int Win32MessageBox::Show(const std::wstring& text, UINT type) {
    PrepareCommonControls();
    return MessageBoxW(GetActiveWindow(), text.c_str(), LoadResString(IDS_APP_TITLE).c_str(), FrameworkBoxStyle(type));
}

int Win32MessageBox::ShowPlain(const std::wstring& text, const std::wstring& caption, UINT type) {
    PrepareCommonControls();
    return MessageBoxW(nullptr, text.c_str(), caption.c_str(), type);
}
