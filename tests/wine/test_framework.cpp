// The framework layer on its own: module-state switching and restoring, dialogs from the
// current module's templates, the modal loop (owner disabled and re-enabled, the activation
// given back, keys for any control pre-translated, posted commands seen by PreTranslateMessage,
// WM_QUIT passed on, a destroyed owner ending the loop, exceptions stopped), message tables,
// hooks, child dialogs and GBK text exchange.
#include <new>

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

// Joins the hook dialog's handling: takes posted commands 300-309 and WM_APP + 1.
class CountingHook : public CMessageHook {
public:
    int picks = 0;
    bool PreTranslate(MSG& msg) override {
        if (msg.message != WM_COMMAND || LOWORD(msg.wParam) < 300 || LOWORD(msg.wParam) > 309) return false;
        ++picks;
        return true;
    }
    WPARAM answered = 0;
    bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override {
        if (message != WM_APP + 1) return false;
        answered = wParam;
        result = TRUE;
        return true;
    }
};

class PageDlg : public CDialog {
public:
    PageDlg() : CDialog(101) {}
};

class HookDlg : public CDialog {
public:
    HookDlg() : CDialog(102) {}
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap() {
        using namespace msgmap;
        using D = HookDlg;
        static const AFX_MSGMAP_ENTRY entries[] = {
            Command<D>(BN_CLICKED, 201, &D::OnGo),
            CommandRange<D>(BN_CLICKED, 300, 309, &D::OnPick),
            Notify<D>(NM_CLICK, 201, &D::OnNotifyGo),
            DrawItemFor<D>(221, &D::OnDraw221),
            Raw<D>(WM_APP + 2, &D::OnThrow),
        };
        static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
        return &map;
    }

    CountingHook hook;
    PageDlg page;
    int goClicks = 0, picks = 0;
    UINT drawnIds = 0;  // bit (id - 220) for each control drawn by the table entry
    bool throwInPreTranslate = false;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        AddHook(&hook);
        page.Create(this);
        RECT rc{5, 40, 0, 0};
        MapDialogRect(m_hWnd, &rc);
        SetWindowPos(page.m_hWnd, GetDlgItem(221), rc.left, rc.top, 0, 0, SWP_NOSIZE);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (throwInPreTranslate && msg->message == WM_APP + 3) throw std::bad_alloc();
        return CDialog::PreTranslateMessage(msg);
    }

private:
    void OnGo() { ++goClicks; }
    void OnPick(UINT) { ++picks; }
    LRESULT OnNotifyGo(NMHDR*) { return 77; }
    void OnDraw221(DRAWITEMSTRUCT* dis) { drawnIds |= 1u << (dis->CtlID - 220); }
    INT_PTR OnThrow(WPARAM, LPARAM) { throw std::bad_alloc(); }
};

void KeyboardAndActivation() {
    Scenario s("keyboard and activation");
    for (const UINT closeKey : {VK_RETURN, VK_ESCAPE}) {
        HostWindows windows;
        ProbeDlg dlg;
        dlg.owner = windows.host;
        bool tabbed = false, activeInside = false;
        const INT_PTR result = RunDialog("框架测试", [&](HWND d) {
            if (!d) return;
            activeInside = GetForegroundWindow() == d || GetActiveWindow() == d;
            SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 200)), TRUE);
            WaitFor([&] { return FocusOf(d) == GetDlgItem(d, 200); }, 2000);
            PostKey(d, VK_TAB);
            tabbed = WaitFor([&] { return FocusOf(d) == GetDlgItem(d, 201); }, 2000);
            // Enter in the edit presses the default button (in a push button, that button).
            SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 200)), TRUE);
            WaitFor([&] { return FocusOf(d) == GetDlgItem(d, 200); }, 2000);
            PostKey(d, closeKey);
            WaitFor([&] { return !IsWindowVisible(d); }, 3000);
        }, [&] { return dlg.DoModal(); });
        ok(activeInside, "the dialog was active while it ran");
        ok(tabbed, "Tab posted to the edit moves the focus to the next control");
        ok(result == (closeKey == VK_RETURN ? IDOK : IDCANCEL), "key %u closes with %d", closeKey,
           static_cast<int>(result));
        ok(GetActiveWindow() == windows.host, "the host window is active again after key %u", closeKey);
    }
}

void HooksTablesAndPages() {
    Scenario s("hooks, tables and pages");
    HostWindows windows;
    HookDlg dlg;
    LRESULT notifyAnswer = 0;
    bool pageIsChild = false, tabIntoPage = false, mnemonic = false, found = false;
    const INT_PTR result = RunDialog("钩子测试", [&](HWND d) {
        if (!d) return;
        SendMessageW(d, WM_APP + 1, 42, 0);
        found = CDialog::FromHandle(d) == &dlg && CDialog::FromHandle(dlg.page.m_hWnd) == &dlg.page &&
                !CDialog::FromHandle(windows.host);
        NMHDR nm{GetDlgItem(d, 201), 201, static_cast<UINT>(NM_CLICK)};
        // The dialog manager answers with DWLP_MSGRESULT (read from the window later, another
        // message may have reset it).
        notifyAnswer = SendMessageW(d, WM_NOTIFY, 201, reinterpret_cast<LPARAM>(&nm));
        PostMessageW(d, WM_COMMAND, 303, 0);
        WaitFor([&] { return dlg.hook.picks == 1; }, 2000);
        HWND pageEdit = dlg.page.m_hWnd ? GetDlgItem(dlg.page.m_hWnd, 210) : nullptr;
        pageIsChild = pageEdit && IsChild(d, pageEdit);
        // Keys for a control of the child page reach the dialog's navigation too.
        SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 221)), TRUE);
        WaitFor([&] { return FocusOf(d) == GetDlgItem(d, 221); }, 2000);
        PostKey(d, VK_TAB);
        tabIntoPage = WaitFor([&] { return FocusOf(d) == pageEdit; }, 2000);
        // A mnemonic typed in a control that does not want characters presses "&Go".
        SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, 220)), TRUE);
        PostMessageW(GetDlgItem(d, 220), WM_SYSCHAR, 'g', 0x20000001);
        mnemonic = WaitFor([&] { return dlg.goClicks == 1; }, 2000);
        PostMessageW(d, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !IsWindowVisible(d); }, 3000);
    }, [&] { return dlg.DoModal(); });
    ok(result == IDOK, "closed with %d", static_cast<int>(result));
    ok(dlg.hook.answered == 42, "a hook sees the dialog's messages (%d)", static_cast<int>(dlg.hook.answered));
    ok(notifyAnswer == 77, "a notification handler's result is the answer to the sender (%ld)",
       static_cast<long>(notifyAnswer));
    ok(dlg.hook.picks == 1 && dlg.picks == 0, "a hook that takes a posted command keeps it from the tables");
    ok(dlg.drawnIds == 2, "owner drawing reaches the entry of the control that asked (mask %u)", dlg.drawnIds);
    ok(pageIsChild, "a page made with Create(parent) is a child of the dialog");
    ok(found, "FromHandle finds the dialog and its page, and nothing for another window");
    ok(tabIntoPage, "Tab moves from the dialog's controls into the page");
    ok(mnemonic, "a mnemonic presses its button");
    ok(GetActiveWindow() == windows.host, "the host window is active again");
    ok(dlg.page.m_hWnd == nullptr, "the page's window went with its parent");
}

void EndingWithoutOk() {
    Scenario s("owner destroyed, exceptions");
    {
        HostWindows windows;
        ProbeDlg dlg;
        // The host closes its frame while the dialog runs (a timer of the host's own).
        SetTimer(windows.host, 1, 300, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
        bool ended = false;
        const INT_PTR result = RunDialog("框架测试", [&](HWND d) {
            ended = d && WaitFor([&] { return !IsWindow(d); }, 5000);
        }, [&] { return dlg.DoModal(); });
        ok(ended && result == -1, "a dialog whose owner is destroyed ends at once, with %d",
           static_cast<int>(result));
    }
    for (const UINT thrower : {WM_APP + 2, WM_APP + 3}) {
        HostWindows windows;
        HookDlg dlg;
        dlg.throwInPreTranslate = true;
        const INT_PTR result = RunDialog("钩子测试", [&](HWND d) {
            if (!d) return;
            PostMessageW(d, thrower, 0, 0);
            WaitFor([&] { return !IsWindowVisible(d); }, 3000);
        }, [&] { return dlg.DoModal(); });
        ok(result == -1, "a failure in %s ends the dialog with %d",
           thrower == WM_APP + 2 ? "a handler" : "pre-translation", static_cast<int>(result));
        ok(IsWindowEnabled(windows.host), "the owner is enabled again");
    }
}

}  // namespace

int main() {
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH);
    ModuleState();
    {
        // The probe template lives in this executable: make it the current module.
        AFX_MAINTAIN_STATE2 guard(AfxGetStaticModuleState());
        ModalLoop();
        KeyboardAndActivation();
        HooksTablesAndPages();
        EndingWithoutOk();
    }
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_DETACH);
    return Summary("test_framework");
}
