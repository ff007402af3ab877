// The module's small application framework: module state, application object, dialogs from
// templates in the module's resources with a modal loop of their own, message tables, control
// binding and thin control wrappers.
//
// Host records carry GBK texts; the windows are UTF-16. Every text crosses at the control
// boundary here, converted explicitly with code page 936 (never through the process's ANSI code
// page, which is whatever the host's system uses).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "framework/afxstr.h"

// ---------------------------------------------------------------------------------------------
// Text at the control boundary

std::wstring WideFromGbk(const char* text, int length = -1);
std::string GbkFromWide(const wchar_t* text, int length = -1);
std::string GetWindowTextGbk(HWND hwnd);
void SetWindowTextGbk(HWND hwnd, const char* text);
// Reads a window's text into a host field of `width` bytes: at most width - 1 bytes, cut on a
// character boundary, then the NUL.
void GetWindowTextToField(HWND hwnd, char* field, std::size_t width);

// ---------------------------------------------------------------------------------------------
// Module state
//
// Each thread has a current module state; templates, bitmaps and menus are looked up in its
// resource handle. A thread that never switched uses the process's state (resources of the
// host executable), so every way into the module must switch to the module's own state first.

class CWinApp;

struct AFX_MODULE_STATE {
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    CWinApp* m_pCurrentWinApp;
};

AFX_MODULE_STATE* AfxGetModuleState();
AFX_MODULE_STATE* AfxGetStaticModuleState();  // the module's own state
HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();

// Makes a module state current for a scope and restores the previous one on every way out.
class AFX_MAINTAIN_STATE2 {
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* newState);
    ~AFX_MAINTAIN_STATE2();
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

private:
    void* m_pPrevState;  // the raw per-thread value, restored exactly (may be null)
};

// Start-up and shut-down of a module that uses the framework, called from its DllMain.
// Returns FALSE when the framework cannot be initialised; the module then refuses to load.
BOOL AfxDllMain(HINSTANCE hInstance, DWORD reason);

// ---------------------------------------------------------------------------------------------
// Message tables
//
// A window class lists its handlers as a constexpr table of {message, notification code,
// control id range, handler}. The dialog procedure cracks WM_COMMAND / WM_NOTIFY once and looks
// the handler up; derived tables are searched before their base's.

class CCmdTarget;

enum class AfxSig : unsigned char {
    vv,        // void()
    vu,        // void(UINT id): command ranges
    vDraw,     // void(int id, DRAWITEMSTRUCT*)
    vMouse,    // void(UINT flags, POINT client point)
    bDC,       // BOOL(HDC): erase background
    lNotify,   // LRESULT(NMHDR*): notification result through DWLP_MSGRESULT
    lNotifyU,  // LRESULT(UINT id, NMHDR*): notification ranges
    vDrawFor,  // void(DRAWITEMSTRUCT*): owner drawing of one control
    vMeasure,  // void(MEASUREITEMSTRUCT*): item size of one owner-drawn control
    hColor,    // HBRUSH(HDC, HWND control): WM_CTLCOLOR*, the brush is the procedure's result
    iRaw,      // INT_PTR(WPARAM, LPARAM): any message, returned as the procedure's result
};

union AfxMsgFn {
    void (CCmdTarget::*vv)();
    void (CCmdTarget::*vu)(UINT);
    void (CCmdTarget::*vDraw)(int, DRAWITEMSTRUCT*);
    void (CCmdTarget::*vMouse)(UINT, POINT);
    BOOL (CCmdTarget::*bDC)(HDC);
    LRESULT (CCmdTarget::*lNotify)(NMHDR*);
    LRESULT (CCmdTarget::*lNotifyU)(UINT, NMHDR*);
    void (CCmdTarget::*vDrawFor)(DRAWITEMSTRUCT*);
    void (CCmdTarget::*vMeasure)(MEASUREITEMSTRUCT*);
    HBRUSH (CCmdTarget::*hColor)(HDC, HWND);
    INT_PTR (CCmdTarget::*iRaw)(WPARAM, LPARAM);
    constexpr AfxMsgFn(void (CCmdTarget::*f)()) : vv(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(UINT)) : vu(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(int, DRAWITEMSTRUCT*)) : vDraw(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(UINT, POINT)) : vMouse(f) {}
    constexpr AfxMsgFn(BOOL (CCmdTarget::*f)(HDC)) : bDC(f) {}
    constexpr AfxMsgFn(LRESULT (CCmdTarget::*f)(NMHDR*)) : lNotify(f) {}
    constexpr AfxMsgFn(LRESULT (CCmdTarget::*f)(UINT, NMHDR*)) : lNotifyU(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(DRAWITEMSTRUCT*)) : vDrawFor(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(MEASUREITEMSTRUCT*)) : vMeasure(f) {}
    constexpr AfxMsgFn(HBRUSH (CCmdTarget::*f)(HDC, HWND)) : hColor(f) {}
    constexpr AfxMsgFn(INT_PTR (CCmdTarget::*f)(WPARAM, LPARAM)) : iRaw(f) {}
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_PAINT, ...
    UINT nCode;     // notification code (commands, notifications)
    UINT nID;       // first control id (commands, notifications, owner drawing)
    UINT nLastID;   // last control id (== nID for a single control)
    AfxSig sig;
    AfxMsgFn pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* lpEntries;
    std::size_t nCount;
};

namespace msgmap {

template <class T>
constexpr AFX_MSGMAP_ENTRY Command(UINT code, UINT id, void (T::*f)()) {
    return {WM_COMMAND, code, id, id, AfxSig::vv,
            AfxMsgFn(static_cast<void (CCmdTarget::*)()>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY CommandRange(UINT code, UINT first, UINT last, void (T::*f)(UINT)) {
    return {WM_COMMAND, code, first, last, AfxSig::vu,
            AfxMsgFn(static_cast<void (CCmdTarget::*)(UINT)>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY Message(UINT message, void (T::*f)()) {
    return {message, 0, 0, 0, AfxSig::vv, AfxMsgFn(static_cast<void (CCmdTarget::*)()>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY DrawItem(void (T::*f)(int, DRAWITEMSTRUCT*)) {
    return {WM_DRAWITEM, 0, 0, 0, AfxSig::vDraw,
            AfxMsgFn(static_cast<void (CCmdTarget::*)(int, DRAWITEMSTRUCT*)>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY Mouse(UINT message, void (T::*f)(UINT, POINT)) {
    return {message, 0, 0, 0, AfxSig::vMouse,
            AfxMsgFn(static_cast<void (CCmdTarget::*)(UINT, POINT)>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY EraseBkgnd(BOOL (T::*f)(HDC)) {
    return {WM_ERASEBKGND, 0, 0, 0, AfxSig::bDC,
            AfxMsgFn(static_cast<BOOL (CCmdTarget::*)(HDC)>(f))};
}

template <class T>
constexpr AFX_MSGMAP_ENTRY Notify(UINT code, UINT id, LRESULT (T::*f)(NMHDR*)) {
    return {WM_NOTIFY, code, id, id, AfxSig::lNotify,
            AfxMsgFn(static_cast<LRESULT (CCmdTarget::*)(NMHDR*)>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY NotifyRange(UINT code, UINT first, UINT last, LRESULT (T::*f)(UINT, NMHDR*)) {
    return {WM_NOTIFY, code, first, last, AfxSig::lNotifyU,
            AfxMsgFn(static_cast<LRESULT (CCmdTarget::*)(UINT, NMHDR*)>(f))};
}
// Owner drawing routed by the id of the control that asks (DRAWITEMSTRUCT::CtlID).
template <class T>
constexpr AFX_MSGMAP_ENTRY DrawItemFor(UINT id, void (T::*f)(DRAWITEMSTRUCT*)) {
    return {WM_DRAWITEM, 0, id, id, AfxSig::vDrawFor,
            AfxMsgFn(static_cast<void (CCmdTarget::*)(DRAWITEMSTRUCT*)>(f))};
}
template <class T>
constexpr AFX_MSGMAP_ENTRY MeasureItemFor(UINT id, void (T::*f)(MEASUREITEMSTRUCT*)) {
    return {WM_MEASUREITEM, 0, id, id, AfxSig::vMeasure,
            AfxMsgFn(static_cast<void (CCmdTarget::*)(MEASUREITEMSTRUCT*)>(f))};
}
// WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, ...: the handler's brush is the procedure's result
// (null: the system's default colours).
template <class T>
constexpr AFX_MSGMAP_ENTRY CtlColor(UINT message, HBRUSH (T::*f)(HDC, HWND)) {
    return {message, 0, 0, 0, AfxSig::hColor,
            AfxMsgFn(static_cast<HBRUSH (CCmdTarget::*)(HDC, HWND)>(f))};
}
// Any message; the handler's value is returned from the dialog procedure as it is.
template <class T>
constexpr AFX_MSGMAP_ENTRY Raw(UINT message, INT_PTR (T::*f)(WPARAM, LPARAM)) {
    return {message, 0, 0, 0, AfxSig::iRaw,
            AfxMsgFn(static_cast<INT_PTR (CCmdTarget::*)(WPARAM, LPARAM)>(f))};
}

}  // namespace msgmap

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const AFX_MSGMAP* GetMessageMap() const { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // Finds the first entry of this object's tables that takes the message.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;
};

// ---------------------------------------------------------------------------------------------
// Application object

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }

    const char* m_pszAppName;
    HINSTANCE m_hInstance = nullptr;
};

// ---------------------------------------------------------------------------------------------
// Windows and controls

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    CString GetWindowText() const;
    void SetWindowText(const char* gbkText) { SetWindowTextGbk(m_hWnd, gbkText); }
    void EnableWindow(BOOL enable) { ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void ShowWindow(int cmd) { ::ShowWindow(m_hWnd, cmd); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    void SetFocus() { ::SetFocus(m_hWnd); }
};

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, check); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void ReplaceSel(const char* gbkText, BOOL canUndo = FALSE);
};

class CComboBox : public CWnd {
public:
    int AddString(const char* gbkText);
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, index)); }
    CString GetLBText(int index) const;
};

class CListBox : public CWnd {
public:
    int AddString(const char* gbkText);
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    CString GetText(int index) const;
};

// ---------------------------------------------------------------------------------------------
// Control exchange

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds a member control object to the template's control `id` (once, at the first exchange).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// ---------------------------------------------------------------------------------------------
// Dialogs

class CDialog;

// A helper object that joins a dialog's message handling (a popup menu whose picks arrive as
// posted commands, an owner-drawn control that paints its own items, a group of buttons),
// so that the dialog does not forward to it by hand. Hooks are asked in the order they were
// added, before the dialog itself.
class CMessageHook {
public:
    virtual ~CMessageHook() = default;
    // A queued message for the dialog or any of its descendants, before the dialog's own
    // pre-translation and IsDialogMessage. True: taken, not dispatched.
    virtual bool PreTranslate(MSG& msg) { return false; }
    // A message of the dialog procedure, before the dialog's tables. True: handled, and
    // `result` is what the procedure returns (DWLP_MSGRESULT is the hook's to set).
    virtual bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
        return false;
    }
};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the dialog from the current module's template, runs the modal loop and returns
    // the result given to EndDialog, or -1 when the dialog could not be created or its owner
    // was destroyed while it ran.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Creates the dialog modeless from the current module's template: a child window of
    // `parent` when the template has WS_CHILD (a page), else an owned popup. The window shows
    // itself only when the template says WS_VISIBLE.
    BOOL Create(CWnd* parent);
    BOOL Create(HWND parent);
    void DestroyWindow();

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    // Hooks must outlive the dialog's window (members of the dialog, declared before nothing
    // that uses them after destruction).
    void AddHook(CMessageHook* hook);
    void RemoveHook(CMessageHook* hook);

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // The framework dialog whose window `hwnd` is (from its WM_INITDIALOG on), or null for any
    // other window.
    static CDialog* FromHandle(HWND hwnd);

protected:
    // Handles a message the tables do not take; returns the dialog procedure's result.
    virtual INT_PTR OnUnhandledMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The same procedure for a window whose WM_INITDIALOG carries a PROPSHEETPAGEW with the
    // object in its lParam (property pages).
    static INT_PTR CALLBACK PageDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The template resource of the current module, or null.
    const DLGTEMPLATE* LoadTemplate() const;

private:
    static INT_PTR Procedure(CDialog* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool CallEntry(const AFX_MSGMAP_ENTRY& entry, UINT id, WPARAM wParam, LPARAM lParam,
                   INT_PTR& result);
    bool PreTranslateGuarded(MSG* msg);
    void GiveBackOwner();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bModal = false;
    bool m_bModalDone = false;
    int m_nModalResult = -1;
    HWND m_hOwner = nullptr;
    bool m_bOwnerDisabled = false;  // this dialog disabled the owner and must enable it again
    std::vector<CMessageHook*> m_hooks;
};

// Every control id that the dialog's message tables name (commands, notifications, owner
// drawing) and that `hwnd`, a window made from the dialog's template, does not have.
// Menu commands are not controls: tables take them in PreTranslateMessage, not here.
std::vector<UINT> MissingTableControls(const CDialog& dialog, HWND hwnd);
