// The framework layer on its own: module state, the modal loop (owner, activation, keys,
// WM_QUIT, a destroyed owner, exceptions), message tables, hooks, child dialogs, GBK text.
#include <new>

#include "framework/afxwin.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

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

// Template 100 is a plain probe; 102 adds a hook, a child page and owner-drawn buttons.
class ProbeDlg : public CDialog {
public:
    explicit ProbeDlg(UINT templateId = 100) : CDialog(templateId), hooked(templateId == 102) {}
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap() {
        using namespace msgmap;
        using D = ProbeDlg;
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

    const bool hooked;
    int goClicks = 0;
    UINT lastPick = 0, preTranslatedPick = 0;
    UINT drawnIds = 0;  // bit (id - 220) for each control drawn by the table entry
    bool ownerDisabledInside = false;
    HWND owner = nullptr;
    CEdit edit;
    CountingHook hook;
    PageDlg page;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, 200, edit); }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        ownerDisabledInside = owner && !::IsWindowEnabled(owner);
        edit.SetWindowText("\xBC\xD3\xB9\xA4");  // 加工 in GBK
        if (!hooked) return TRUE;
        AddHook(&hook);
        page.Create(this);
        RECT rc{5, 40, 0, 0};
        MapDialogRect(m_hWnd, &rc);
        SetWindowPos(page.m_hWnd, GetDlgItem(221), rc.left, rc.top, 0, 0, SWP_NOSIZE);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_APP + 3) throw std::bad_alloc();
        if (msg->message == WM_COMMAND && LOWORD(msg->wParam) >= 300 && LOWORD(msg->wParam) <= 309)
            preTranslatedPick = LOWORD(msg->wParam);
        return CDialog::PreTranslateMessage(msg);
    }

private:
    void OnGo() { ++goClicks; }
    void OnPick(UINT id) { lastPick = id; }
    LRESULT OnNotifyGo(NMHDR*) { return 77; }
    void OnDraw221(DRAWITEMSTRUCT* dis) { drawnIds |= 1u << (dis->CtlID - 220); }
    INT_PTR OnThrow(WPARAM, LPARAM) { throw std::bad_alloc(); }
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

// Enter and Escape close the dialog, each after the same run: table handlers, a posted
// command, GBK text, Tab from the edit.
void ModalLoop() {
    Scenario s("modal loop and keyboard");
    for (const UINT closeKey : {VK_RETURN, VK_ESCAPE}) {
        HostWindows windows;
        ProbeDlg dlg;
        dlg.owner = windows.host;
        std::string editText;
        bool tabbed = false, activeInside = false;
        const INT_PTR result = RunDialog("框架测试", [&](HWND d) {
            if (!d) return ok(false, "dialog did not appear");
            activeInside = GetForegroundWindow() == d || GetActiveWindow() == d;
            editText = ItemText(d, 200);
            Click(d, 201);
            Click(d, 201);
            PostMessageW(d, WM_COMMAND, 305, 0);  // a menu pick arrives posted
            WaitFor([&] { return dlg.lastPick == 305; }, 3000);
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
        ok(result == (closeKey == VK_RETURN ? IDOK : IDCANCEL) && dlg.m_hWnd == nullptr,
           "key %u closes with %d, the window gone", closeKey, static_cast<int>(result));
        ok(dlg.ownerDisabledInside && activeInside, "the owner is disabled and the dialog active while it runs");
        ok(IsWindowEnabled(windows.host) && GetActiveWindow() == windows.host,
           "the host window is enabled and active again after key %u", closeKey);
        ok(tabbed, "Tab posted to the edit moves the focus to the next control");
        ok(dlg.goClicks == 2 && dlg.lastPick == 305 && dlg.preTranslatedPick == 305,
           "table handler ran %d times; posted command seen by PreTranslateMessage and the range handler", dlg.goClicks);
        ok(editText == "加工", "GBK text reached the control as \"%s\"", editText.c_str());
    }

    // WM_QUIT ends the loop and stays in the queue for the caller's loop.
    ProbeDlg quitting;
    const INT_PTR quitResult = RunDialog("框架测试", [&](HWND d) {
        if (!d) return;
        PostThreadMessageW(GetWindowThreadProcessId(d, nullptr), WM_QUIT, 7, 0);
        WaitFor([&] { return !IsWindow(d); }, 3000);
    }, [&] { return quitting.DoModal(); });
    MSG msg{};
    const bool requeued = PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 7;
    ok(quitResult == -1 && requeued, "a dialog ended by WM_QUIT reports %d, WM_QUIT passed on", static_cast<int>(quitResult));
}

void HooksTablesAndPages() {
    Scenario s("hooks, tables and pages");
    HostWindows windows;
    ProbeDlg dlg(102);
    LRESULT notifyAnswer = 0;
    bool pageIsChild = false, tabIntoPage = false, mnemonic = false, found = false;
    const INT_PTR result = RunDialog("钩子测试", [&](HWND d) {
        if (!d) return;
        SendMessageW(d, WM_APP + 1, 42, 0);
        found = CDialog::FromHandle(d) == &dlg && CDialog::FromHandle(dlg.page.m_hWnd) == &dlg.page &&
                !CDialog::FromHandle(windows.host);
        NMHDR nm{GetDlgItem(d, 201), 201, static_cast<UINT>(NM_CLICK)};
        // The dialog manager answers with DWLP_MSGRESULT (not read later: another message may reset it).
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
    ok(result == IDOK && dlg.hook.answered == 42, "closed with %d; a hook sees the dialog's messages (%d)",
       static_cast<int>(result), static_cast<int>(dlg.hook.answered));
    ok(notifyAnswer == 77 && dlg.hook.picks == 1 && dlg.lastPick == 0 && dlg.drawnIds == 2,
       "a notification handler answers the sender (%ld); a hook keeps a posted command it takes from the tables; "
       "owner drawing reaches the entry of the control that asked (mask %u)", static_cast<long>(notifyAnswer), dlg.drawnIds);
    ok(pageIsChild && found && dlg.page.m_hWnd == nullptr, "a page made with Create(parent) is a child of the dialog, "
       "FromHandle finds both and nothing for another window, the page went with its parent");
    ok(tabIntoPage && mnemonic, "Tab moves into the page: %d; a mnemonic presses its button: %d", tabIntoPage, mnemonic);
    ok(GetActiveWindow() == windows.host, "the host window is active again");
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
        ProbeDlg dlg(102);
        const INT_PTR result = RunDialog("钩子测试", [&](HWND d) {
            if (!d) return;
            PostMessageW(d, thrower, 0, 0);
            WaitFor([&] { return !IsWindowVisible(d); }, 3000);
        }, [&] { return dlg.DoModal(); });
        ok(result == -1 && IsWindowEnabled(windows.host), "a failure in %s ends the dialog with %d, the owner enabled again",
           thrower == WM_APP + 2 ? "a handler" : "pre-translation", static_cast<int>(result));
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
        HooksTablesAndPages();
        EndingWithoutOk();
    }
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_DETACH);
    return Summary("test_framework");
}
