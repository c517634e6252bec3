// Message boxes, behind a seam so tests read every text, button and icon and script the answers.
#pragma once
#include <windows.h>

#include <string>

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // The framework's box: captioned with the application title (string 57344), owned by the
    // active window. type holds the buttons and, where a caller names one, the icon; without
    // one the framework adds its default icon (FrameworkBoxStyle). Returns the button pressed.
    virtual int Show(const std::wstring& text, UINT type) = 0;
    // A plain platform box with its own caption and no owner window.
    virtual int ShowPlain(const std::wstring& text, const std::wstring& caption, UINT type) = 0;
};

// The framework's default icon: the question mark for Yes/No boxes, the exclamation mark for
// OK and OK/Cancel, unless type already names an icon.
UINT FrameworkBoxStyle(UINT type);

class Win32MessageBox : public IMessageBox {
public:
    int Show(const std::wstring& text, UINT type) override;
    int ShowPlain(const std::wstring& text, const std::wstring& caption, UINT type) override;
};
