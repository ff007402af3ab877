// The framework layer on its own: module-state switching and restoring, dialogs from the
// current module's templates, the modal loop (owner disabled and re-enabled, posted commands
// seen by PreTranslateMessage, WM_QUIT passed on), message tables and GBK text exchange.
#include "framework/afxwin.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

class ProbeDlg : public CDialog {
public:
    ProbeDlg() : CDialog(100) {}
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap() {
        using namespace msgmap;
        static const AFX_MSGMAP_ENTRY entries[] = {
            Command<ProbeDlg>(BN_CLICKED, 201, &ProbeDlg::OnGo),
            CommandRange<ProbeDlg>(BN_CLICKED, 300, 309, &ProbeDlg::OnPick),
        };
        static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
        return &map;
    }

    int goClicks = 0;
    UINT lastPick = 0;
    UINT preTranslatedPick = 0;
    bool ownerDisabledInside = false;
    HWND owner = nullptr;
    CEdit edit;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 200, edit); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ownerDisabledInside = owner && !::IsWindowEnabled(owner);
        edit.SetWindowText("\xBC\xD3\xB9\xA4");  // 加工 in GBK
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_COMMAND && LOWORD(msg->wParam) >= 300 && LOWORD(msg->wParam) <= 309)
            preTranslatedPick = LOWORD(msg->wParam);
        return CDialog::PreTranslateMessage(msg);
    }

private:
    void OnGo() { ++goClicks; }
    void OnPick(UINT id) { lastPick = id; }
};

void ModuleState() {
    Scenario s("module state");
    HINSTANCE exe = GetModuleHandleW(nullptr);
    ok(AfxGetResourceHandle() == exe, "a thread starts with the process's resources");
    // Stand in for a module: its own state with a resource handle of its own.
    HMODULE other = LoadLibraryW(L"comctl32.dll");
    AFX_MODULE_STATE moduleState{other, other, nullptr};
    {
        AFX_MAINTAIN_STATE2 guard(&moduleState);
        ok(AfxGetResourceHandle() == other, "the guard makes the module's resources current");
        ProbeDlg dlg;
        ok(dlg.DoModal() == -1, "a template missing from the current module: modal result -1");
        try {
            AFX_MAINTAIN_STATE2 inner(AfxGetStaticModuleState());
            throw 1;
        } catch (int) {
        }
        ok(AfxGetResourceHandle() == other, "an exception leaving a nested guard restores the state");
    }
    ok(AfxGetResourceHandle() == exe, "leaving the guard restores the caller's state");
}

void ModalLoop() {
    Scenario s("modal loop");
    HWND owner = CreateWindowW(L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
    SetForegroundWindow(owner);
    SetActiveWindow(owner);
    ok(GetActiveWindow() == owner, "the host window is active before the call");
    ProbeDlg dlg;
    dlg.owner = owner;
    std::string editText;
    const INT_PTR result = RunDialog("框架测试", [&](HWND d) {
        if (!d) return ok(false, "dialog did not appear");
        editText = ItemText(d, 200);
        Click(d, 201);
        Click(d, 201);
        PostMessageW(d, WM_COMMAND, 305, 0);  // a menu pick arrives posted
        WaitFor([&] { return dlg.lastPick == 305; }, 3000);
        Click(d, IDOK);
    }, [&] { return dlg.DoModal(); });
    ok(result == IDOK, "modal result %d", static_cast<int>(result));
    ok(dlg.ownerDisabledInside, "the owner is disabled while the dialog runs");
    ok(IsWindowEnabled(owner), "the owner is enabled again afterwards");
    ok(dlg.goClicks == 2, "table handler ran %d times", dlg.goClicks);
    ok(dlg.lastPick == 305 && dlg.preTranslatedPick == 305, "posted command seen by PreTranslateMessage and the range handler");
    ok(editText == "加工", "GBK text reached the control as \"%s\"", editText.c_str());
    ok(dlg.m_hWnd == nullptr, "the window is gone after DoModal");

    // WM_QUIT ends the loop and stays in the queue for the caller's loop.
    ProbeDlg quitting;
    const INT_PTR quitResult = RunDialog("框架测试", [&](HWND d) {
        if (!d) return;
        PostThreadMessageW(GetWindowThreadProcessId(d, nullptr), WM_QUIT, 7, 0);
        WaitFor([&] { return !IsWindow(d); }, 3000);
    }, [&] { return quitting.DoModal(); });
    MSG msg{};
    const bool requeued = PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 7;
    ok(quitResult == -1, "a dialog ended by WM_QUIT reports %d", static_cast<int>(quitResult));
    ok(requeued, "WM_QUIT is passed on");
    DestroyWindow(owner);
}

}  // namespace

int main() {
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH);
    ModuleState();
    {
        // The probe template lives in this executable: make it the current module.
        AFX_MAINTAIN_STATE2 guard(AfxGetStaticModuleState());
        ModalLoop();
    }
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_DETACH);
    return Summary("test_framework");
}
