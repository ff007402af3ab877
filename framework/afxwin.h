// The module's small application framework: module state, application object, dialogs from
// templates in the module's resources with a modal loop of their own, message tables, control
// binding and thin control wrappers.
//
// Host records carry GBK texts; the windows are UTF-16. Every text crosses at the control
// boundary here, converted explicitly with code page 936 (never through the process's ANSI code
// page, which is whatever the host's system uses).
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>
#include <string>

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
    vv,      // void()
    vu,      // void(UINT id): command ranges
    vDraw,   // void(int id, DRAWITEMSTRUCT*)
    vMouse,  // void(UINT flags, POINT client point)
    bDC,     // BOOL(HDC): erase background
};

union AfxMsgFn {
    void (CCmdTarget::*vv)();
    void (CCmdTarget::*vu)(UINT);
    void (CCmdTarget::*vDraw)(int, DRAWITEMSTRUCT*);
    void (CCmdTarget::*vMouse)(UINT, POINT);
    BOOL (CCmdTarget::*bDC)(HDC);
    constexpr AfxMsgFn(void (CCmdTarget::*f)()) : vv(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(UINT)) : vu(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(int, DRAWITEMSTRUCT*)) : vDraw(f) {}
    constexpr AfxMsgFn(void (CCmdTarget::*f)(UINT, POINT)) : vMouse(f) {}
    constexpr AfxMsgFn(BOOL (CCmdTarget::*f)(HDC)) : bDC(f) {}
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, WM_NOTIFY, WM_PAINT, ...
    UINT nCode;     // notification code (commands, notifications)
    UINT nID;       // first control id
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

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the dialog from the current module's template, runs the modal loop and returns
    // the result given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();
    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    // Handles a message the tables do not take; returns the dialog procedure's result.
    virtual INT_PTR OnUnhandledMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool CallEntry(const AFX_MSGMAP_ENTRY& entry, UINT id, WPARAM wParam, LPARAM lParam,
                   INT_PTR& result);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bModalDone = false;
    int m_nModalResult = -1;
};
