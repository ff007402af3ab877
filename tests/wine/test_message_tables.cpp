// Every control id that a dialog's message tables name exists in the template the dialog is
// made from: a handler bound to an id the template does not have never runs, and nothing
// else would tell. The dialog objects are only constructed; their windows are made from the
// module's templates with a procedure that does nothing, so no dialog logic runs.
#include <memory>
#include <typeinfo>

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

int main() {
    HMODULE module = LoadModule();
    const std::unique_ptr<CDialog> dialogs[] = {
        std::make_unique<CRoughDlg>(),    std::make_unique<CXZGCDlg>(),     std::make_unique<CWZGCDlg>(),
        std::make_unique<CXWZH_WZDlg>(),  std::make_unique<CXWZH_XZDlg>(),  std::make_unique<CZHGCDlg>(),
        std::make_unique<CSetupDlg>(),    std::make_unique<CDimTextPage>(), std::make_unique<CDimLinePage>(),
        std::make_unique<CWeldDlg>(),     std::make_unique<CTollerDlg>(),
    };
    // Pages are child templates: they need a parent.
    HWND parent = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, 0, 0, 0, 0);
    for (const auto& dialog : dialogs) {
        const UINT id = dialog->GetTemplateId();
        const char* name = typeid(*dialog).name();
        const DLGPROC inert = [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; };
        HWND hwnd = module ? CreateDialogParamW(module, MAKEINTRESOURCEW(id), parent, inert, 0) : nullptr;
        ok(hwnd != nullptr, "%s: template %u made a window", name, id);
        for (const UINT control : hwnd ? MissingTableControls(*dialog, hwnd) : std::vector<UINT>())
            ok(false, "%s: its message tables name control %u, not in template %u", name, control, id);
        DestroyWindow(hwnd);
    }
    DestroyWindow(parent);
    return Summary("test_message_tables");
}
