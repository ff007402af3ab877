// The framework's modal loop on its own: keys for the controls of a child page, notification
// results, and the ways a dialog ends without OK (a failing handler or pre-translation, WM_QUIT).
// Activation, Enter and Escape and a destroyed owner are checked for every export in
// test_exports.cpp.
#include <new>

#include "framework/afxwin.h"
#include "tests/wine/winetest.h"

using namespace winetest;

namespace {

// Template 100 with the page 101 in it.
class ProbeDlg : public CDialog {
public:
    ProbeDlg() : CDialog(100) {}
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap() {
        using namespace msgmap;
        using D = ProbeDlg;
        static const AFX_MSGMAP_ENTRY entries[] = {
            Command<D>(BN_CLICKED, 201, &D::OnGo),
            Notify<D>(NM_CLICK, 201, &D::OnNotifyGo),
            Raw<D>(WM_APP + 2, &D::OnThrow),
        };
        static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
        return &map;
    }

    int goClicks = 0;
    CDialog page{101};

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        page.Create(this);  // after Cancel in the tab order
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_APP + 3) throw std::bad_alloc();
        return CDialog::PreTranslateMessage(msg);
    }
    void OnGo() { ++goClicks; }
    LRESULT OnNotifyGo(NMHDR*) { return 77; }
    INT_PTR OnThrow(WPARAM, LPARAM) { throw std::bad_alloc(); }
};

// Keys typed in the page's edit, a control of a control, go through the dialog's navigation.
void KeysAndNotifications() {
    Scenario s("keys and notifications");
    ProbeDlg dlg;
    LRESULT notifyAnswer = 0;
    bool tabIntoPage = false, mnemonic = false;
    const INT_PTR result = RunDialog("框架测试", [&](HWND d) {
        NMHDR nm{GetDlgItem(d, 201), 201, static_cast<UINT>(NM_CLICK)};
        // The dialog manager answers with DWLP_MSGRESULT (not read later: another message may reset it).
        notifyAnswer = SendMessageW(d, WM_NOTIFY, 201, reinterpret_cast<LPARAM>(&nm));
        HWND pageEdit = GetDlgItem(dlg.page.m_hWnd, 210);
        SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(d, IDCANCEL)), TRUE);
        WaitFor([&] { return FocusOf(d) == GetDlgItem(d, IDCANCEL); }, 2000);
        PostKey(d, VK_TAB);
        tabIntoPage = WaitFor([&] { return FocusOf(d) == pageEdit; }, 2000);
        PostMessageW(pageEdit, WM_SYSCHAR, 'g', 0x20000001);
        mnemonic = WaitFor([&] { return dlg.goClicks == 1; }, 2000);
        PostKey(d, VK_ESCAPE);
        WaitFor([&] { return !IsWindowVisible(d); }, 3000);
    }, [&] { return dlg.DoModal(); });
    ok(notifyAnswer == 77 && tabIntoPage && mnemonic && result == IDCANCEL,
       "notification result %d; in the page: Tab in %d, a mnemonic presses its button %d, Escape cancels: %d",
       static_cast<int>(notifyAnswer), tabIntoPage, mnemonic, static_cast<int>(result));
}

// A failure in a handler or in pre-translation, and WM_QUIT, end the dialog with -1 and give
// the owner back; WM_QUIT stays queued for the caller's loop.
void EndingWithoutOk() {
    Scenario s("ending without OK");
    for (const UINT message : {WM_APP + 2u, WM_APP + 3u, static_cast<UINT>(WM_QUIT)}) {
        HostWindows windows;
        ProbeDlg dlg;
        const INT_PTR result = RunDialog("框架测试", [&](HWND d) {
            PostMessageW(d, message, 7, 0);
            WaitFor([&] { return !IsWindowVisible(d); }, 3000);
        }, [&] { return dlg.DoModal(); });
        MSG msg{};
        const bool quitQueued = PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && msg.wParam == 7;
        ok(result == -1 && IsWindowEnabled(windows.host) && quitQueued == (message == WM_QUIT),
           "message %04x ends the dialog with %d, the owner enabled again, WM_QUIT passed on: %d", message,
           static_cast<int>(result), quitQueued);
    }
}

}  // namespace

int main() {
    AfxDllMain(GetModuleHandleW(nullptr), DLL_PROCESS_ATTACH);
    // The probe template lives in this executable: make it the current module.
    AFX_MAINTAIN_STATE2 guard(AfxGetStaticModuleState());
    KeysAndNotifications();
    EndingWithoutOk();
    return Summary("test_framework");
}
