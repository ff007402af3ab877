// Every control id that a dialog's message tables name exists in the template the dialog is
// made from: a handler bound to an id the template does not have never runs, and nothing
// else would tell. The dialog objects are only constructed; their windows are made from the
// module's templates with a procedure that does nothing, so no dialog logic runs.
#include <functional>
#include <memory>

#include "dimstyle/DimLinePage.h"
#include "dimstyle/DimTextPage.h"
#include "dimstyle/SetupDlg.h"
#include "framework/afxwin.h"
#include "geotol/WZGCDlg.h"
#include "geotol/XWZH_WZDlg.h"
#include "geotol/XWZH_XZDlg.h"
#include "geotol/XZGCDlg.h"
#include "geotol/ZHGCDlg.h"
#include "roughness/RoughDlg.h"
#include "tests/wine/winetest.h"
#include "toller/TollerDlg.h"
#include "weld/WeldDlg.h"

using namespace winetest;

namespace {

struct DialogClass {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
};

template <class D>
DialogClass Of(const char* name) {
    return {name, [] { return std::unique_ptr<CDialog>(new D); }};
}

const DialogClass kDialogs[] = {
    Of<CRoughDlg>("CRoughDlg"),     Of<CXZGCDlg>("CXZGCDlg"),       Of<CWZGCDlg>("CWZGCDlg"),
    Of<CXWZH_WZDlg>("CXWZH_WZDlg"), Of<CXWZH_XZDlg>("CXWZH_XZDlg"), Of<CZHGCDlg>("CZHGCDlg"),
    Of<CSetupDlg>("CSetupDlg"),     Of<CDimTextPage>("CDimTextPage"), Of<CDimLinePage>("CDimLinePage"),
    Of<CWeldDlg>("CWeldDlg"),
    Of<CTollerDlg>("CTollerDlg"),
};

INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

int main() {
    HMODULE module = LoadModule();
    // Pages are child templates: they need a parent.
    HWND parent = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    for (const DialogClass& d : kDialogs) {
        std::unique_ptr<CDialog> dialog = d.make();
        HRSRC found = module ? FindResourceW(module, MAKEINTRESOURCEW(dialog->GetTemplateId()), MAKEINTRESOURCEW(5))
                             : nullptr;
        const auto* dialogTemplate = found ? static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module, found)))
                                           : nullptr;
        HWND hwnd = dialogTemplate ? CreateDialogIndirectParamW(module, dialogTemplate, parent, Inert, 0) : nullptr;
        ok(hwnd != nullptr, "%s: template %u made a window", d.name, dialog->GetTemplateId());
        if (!hwnd) continue;
        for (const UINT id : MissingTableControls(*dialog, hwnd))
            ok(false, "%s: its message table names control %u, which template %u does not have", d.name, id,
               dialog->GetTemplateId());
        DestroyWindow(hwnd);
    }
    DestroyWindow(parent);
    return Summary("test_message_tables");
}
