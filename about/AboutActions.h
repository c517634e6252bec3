// What the about box shows and what its links do, apart from the dialog procedure.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "about/VersionInfo.h"

class IShell;

// The record the about box keeps with its window: whose version it shows and passes on.
struct AboutContext {
    HMODULE module;
    IShell* shell;  // opens the links; none leaves them inactive
};

struct AboutLabels {
    std::wstring description;
    // None when the fixed information is missing: the template's own text stays.
    std::optional<std::wstring> version;
    std::wstring copyright;
};

// The labels for the file at path.
AboutLabels AboutLabelsFor(const std::wstring& path);

// "major.minor.build.revision" in decimal, or none without the fixed information.
std::optional<std::wstring> VersionLabelText(const FixedVersionInfo& fixed);

// "mailto:<support address>?subject=<internal name> V<a>.<b>.<c>.<d>", nothing encoded; none
// without the fixed information.
std::optional<std::wstring> SupportMailto(const FixedVersionInfo& fixed, const std::wstring& internalName);

enum class AboutLink { None, Email, WebSite, CheckForUpdates };

// The link a notification activates: a click or the Enter key on one of the three link controls.
AboutLink ActivatedLink(UINT_PTR senderId, UINT code);

// OK and Cancel (also Escape and the close box) end the box with their own identifier.
bool EndsAboutBox(WORD commandId);

// Opens the link for the program file at path, with the box as owner of the requests.
void ActOnAboutLink(AboutLink link, HWND box, const std::wstring& path, IShell& shell);
