#include "about/AboutBox.h"

#include <commctrl.h>

#include "about/AboutActions.h"
#include "framework/LateLoaded.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "res/resource.h"

namespace {

void FillLabels(HWND box, const AboutLabels& labels) {
    SetDlgItemTextW(box, IDC_ABOUT_DESCRIPTION, labels.description.c_str());
    if (labels.version) SetDlgItemTextW(box, IDC_ABOUT_VERSION, labels.version->c_str());
    SetDlgItemTextW(box, IDC_ABOUT_COPYRIGHT, labels.copyright.c_str());
}

const AboutContext* ContextOf(HWND box) {
    return reinterpret_cast<const AboutContext*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(box, GWLP_USERDATA, lParam);
        const AboutContext* context = reinterpret_cast<const AboutContext*>(lParam);
        if (context != nullptr) FillLabels(box, AboutLabelsFor(ModuleFileName(context->module)));
        return TRUE;
    }
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        const AboutLink link = ActivatedLink(header->idFrom, header->code);
        const AboutContext* context = ContextOf(box);
        if (link != AboutLink::None && context != nullptr && context->shell != nullptr) {
            ActOnAboutLink(link, box, ModuleFileName(context->module), *context->shell);
        }
        return FALSE;
    }
    case WM_COMMAND:
        if (!EndsAboutBox(LOWORD(wParam))) return FALSE;
        EndDialog(box, LOWORD(wParam));
        return TRUE;
    default: return FALSE;
    }
}

void ShowAboutBox(HWND owner, IShell& shell) {
    AboutContext context{AppInstance(), &shell};
    PrepareCommonControls();
    DialogBoxParamW(AppInstance(), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDlgProc,
                    reinterpret_cast<LPARAM>(&context));
}
