#include "about/AboutActions.h"

#include <commctrl.h>

#include "about/MakerAddresses.h"
#include "about/Updater.h"
#include "framework/Shell.h"
#include "framework/Strings.h"
#include "res/resource.h"

namespace {

std::wstring DottedVersion(const FixedVersionInfo& fixed) {
    return UnsignedText(fixed.Major()) + L"." + UnsignedText(fixed.Minor()) + L"." + UnsignedText(fixed.Build()) +
           L"." + UnsignedText(fixed.Revision());
}

void OpenAddress(IShell& shell, HWND box, const std::wstring& address) {
    shell.Execute(box, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

std::optional<std::wstring> VersionLabelText(const FixedVersionInfo& fixed) {
    if (!fixed.found) return std::nullopt;
    return DottedVersion(fixed);
}

AboutLabels AboutLabelsFor(const std::wstring& path) {
    return {ReadVersionString(path, VersionStringKey::FileDescription), VersionLabelText(ReadFixedVersionInfo(path)),
            ReadVersionString(path, VersionStringKey::LegalCopyright)};
}

std::optional<std::wstring> SupportMailto(const FixedVersionInfo& fixed, const std::wstring& internalName) {
    if (!fixed.found) return std::nullopt;
    return std::wstring(L"mailto:") + kSupportEmailAddress + L"?subject=" + internalName + L" V" + DottedVersion(fixed);
}

AboutLink ActivatedLink(UINT_PTR senderId, UINT code) {
    if (code != static_cast<UINT>(NM_CLICK) && code != static_cast<UINT>(NM_RETURN)) return AboutLink::None;
    switch (senderId) {
    case IDC_ABOUT_EMAIL: return AboutLink::Email;
    case IDC_ABOUT_WEB: return AboutLink::WebSite;
    case IDC_ABOUT_UPDATES: return AboutLink::CheckForUpdates;
    default: return AboutLink::None;
    }
}

bool EndsAboutBox(WORD commandId) { return commandId == IDOK || commandId == IDCANCEL; }

void ActOnAboutLink(AboutLink link, HWND box, const std::wstring& path, IShell& shell) {
    switch (link) {
    case AboutLink::Email: {
        const FixedVersionInfo fixed = ReadFixedVersionInfo(path);
        const std::optional<std::wstring> address =
            SupportMailto(fixed, fixed.found ? ReadVersionString(path, VersionStringKey::InternalName) : L"");
        if (address) OpenAddress(shell, box, *address);
        break;
    }
    case AboutLink::WebSite: OpenAddress(shell, box, kHomePageAddress); break;
    case AboutLink::CheckForUpdates: LaunchUpdaterFor(shell, box, false, path); break;
    case AboutLink::None: break;
    }
}
