#include "framework/afxwin.h"

#include <algorithm>
#include <vector>


#include "framework/gbk.h"

// ---------------------------------------------------------------------------------------------
// Text at the control boundary

namespace {
constexpr UINT kGbk = 936;
}

std::wstring WideFromGbk(const char* text, int length) {
    if (!text) return {};
    if (length < 0) length = static_cast<int>(strlen(text));
    if (length == 0) return {};
    const int n = MultiByteToWideChar(kGbk, 0, text, length, nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(kGbk, 0, text, length, wide.data(), n);
    return wide;
}

std::string GbkFromWide(const wchar_t* text, int length) {
    if (!text) return {};
    if (length < 0) length = static_cast<int>(wcslen(text));
    if (length == 0) return {};
    const int n = WideCharToMultiByte(kGbk, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string gbkText(n, '\0');
    WideCharToMultiByte(kGbk, 0, text, length, gbkText.data(), n, nullptr, nullptr);
    return gbkText;
}

std::string GetWindowTextGbk(HWND hwnd) {
    const int n = GetWindowTextLengthW(hwnd);
    std::wstring wide(n + 1, L'\0');
    const int got = GetWindowTextW(hwnd, wide.data(), n + 1);
    return GbkFromWide(wide.data(), got);
}

void SetWindowTextGbk(HWND hwnd, const char* text) {
    SetWindowTextW(hwnd, WideFromGbk(text ? text : "").c_str());
}

void GetWindowTextToField(HWND hwnd, char* field, std::size_t width) {
    gbk::ToField(field, width, GetWindowTextGbk(hwnd));
}

// ---------------------------------------------------------------------------------------------
// Module state

namespace {

AFX_MODULE_STATE g_moduleState{nullptr, nullptr, nullptr};   // this module's own
AFX_MODULE_STATE g_processState{nullptr, nullptr, nullptr};  // what a thread has by default
DWORD g_tlsIndex = TLS_OUT_OF_INDEXES;

void* CurrentStateSlot() {
    return g_tlsIndex == TLS_OUT_OF_INDEXES ? nullptr : TlsGetValue(g_tlsIndex);
}

}  // namespace

AFX_MODULE_STATE* AfxGetStaticModuleState() { return &g_moduleState; }

AFX_MODULE_STATE* AfxGetModuleState() {
    auto* state = static_cast<AFX_MODULE_STATE*>(CurrentStateSlot());
    if (state) return state;
    if (!g_processState.m_hCurrentInstanceHandle) {
        HINSTANCE exe = GetModuleHandleW(nullptr);
        g_processState.m_hCurrentInstanceHandle = exe;
        g_processState.m_hCurrentResourceHandle = exe;
    }
    return &g_processState;
}

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }
HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* newState)
    : m_pPrevState(CurrentStateSlot()) {
    if (g_tlsIndex != TLS_OUT_OF_INDEXES) TlsSetValue(g_tlsIndex, newState);
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() {
    if (g_tlsIndex != TLS_OUT_OF_INDEXES) TlsSetValue(g_tlsIndex, m_pPrevState);
}

BOOL AfxDllMain(HINSTANCE hInstance, DWORD reason) {
    switch (reason) {
    case DLL_PROCESS_ATTACH: {
        g_tlsIndex = TlsAlloc();
        if (g_tlsIndex == TLS_OUT_OF_INDEXES) return FALSE;
        g_moduleState.m_hCurrentInstanceHandle = hInstance;
        g_moduleState.m_hCurrentResourceHandle = hInstance;
        CWinApp* app = g_moduleState.m_pCurrentWinApp;
        if (app) {
            app->m_hInstance = hInstance;
            AFX_MAINTAIN_STATE2 guard(&g_moduleState);
            if (!app->InitInstance()) {
                app->ExitInstance();
                TlsFree(g_tlsIndex);
                g_tlsIndex = TLS_OUT_OF_INDEXES;
                return FALSE;
            }
        }
        return TRUE;
    }
    case DLL_PROCESS_DETACH:
        if (g_tlsIndex != TLS_OUT_OF_INDEXES) {
            if (CWinApp* app = g_moduleState.m_pCurrentWinApp) {
                AFX_MAINTAIN_STATE2 guard(&g_moduleState);
                app->ExitInstance();
            }
            TlsFree(g_tlsIndex);
            g_tlsIndex = TLS_OUT_OF_INDEXES;
        }
        return TRUE;
    default:
        return TRUE;
    }
}

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    g_moduleState.m_pCurrentWinApp = this;
}

CWinApp::~CWinApp() {
    if (g_moduleState.m_pCurrentWinApp == this) g_moduleState.m_pCurrentWinApp = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Message tables

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP map{nullptr, nullptr, 0};
    return &map;
}

namespace {

// Whether an entry is chosen by control id: commands and notifications always, owner drawing
// when the entry names its control (DrawItem entries without an id take every control).
bool MatchesById(UINT message, const AFX_MSGMAP_ENTRY& e) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return true;
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
        return e.sig != AfxSig::vDraw;
    default:
        return false;
    }
}

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT message, UINT code, UINT id) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pBaseMap) {
        for (std::size_t i = 0; i < map->nCount; ++i) {
            const AFX_MSGMAP_ENTRY& e = map->lpEntries[i];
            if (e.nMessage != message) continue;
            if (message == WM_COMMAND || message == WM_NOTIFY) {
                if (e.nCode != code) continue;
            }
            if (MatchesById(message, e) && (id < e.nID || id > e.nLastID)) continue;
            return &e;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Windows and controls

CString CWnd::GetWindowText() const { return CString(GetWindowTextGbk(m_hWnd).c_str()); }

void CEdit::ReplaceSel(const char* gbkText, BOOL canUndo) {
    const std::wstring wide = WideFromGbk(gbkText);
    SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(wide.c_str()));
}

namespace {

// Combo boxes and list boxes take and give their item texts by the same pair of messages.
// CB_ERR and LB_ERR are both -1.
int AddItem(const CWnd& box, UINT addMessage, const char* gbkText) {
    const std::wstring wide = WideFromGbk(gbkText);
    return static_cast<int>(box.SendMessage(addMessage, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

CString ItemText(const CWnd& box, UINT lengthMessage, UINT textMessage, int index) {
    const LRESULT n = box.SendMessage(lengthMessage, index);
    if (n < 0) return CString();
    std::wstring wide(static_cast<std::size_t>(n) + 1, L'\0');
    box.SendMessage(textMessage, index, reinterpret_cast<LPARAM>(wide.data()));
    return CString(GbkFromWide(wide.c_str()).c_str());
}

}  // namespace

int CComboBox::AddString(const char* gbkText) { return AddItem(*this, CB_ADDSTRING, gbkText); }
CString CComboBox::GetLBText(int index) const { return ItemText(*this, CB_GETLBTEXTLEN, CB_GETLBTEXT, index); }
int CListBox::AddString(const char* gbkText) { return AddItem(*this, LB_ADDSTRING, gbkText); }
CString CListBox::GetText(int index) const { return ItemText(*this, LB_GETTEXTLEN, LB_GETTEXT, index); }

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
}

// ---------------------------------------------------------------------------------------------
// Dialogs

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    GiveBackOwner();
}

const AFX_MSGMAP* CDialog::GetThisMessageMap() {
    static const AFX_MSGMAP map{CCmdTarget::GetThisMessageMap(), nullptr, 0};
    return &map;
}

void CDialog::AddHook(CMessageHook* hook) {
    if (hook && std::find(m_hooks.begin(), m_hooks.end(), hook) == m_hooks.end()) m_hooks.push_back(hook);
}

void CDialog::RemoveHook(CMessageHook* hook) {
    m_hooks.erase(std::remove(m_hooks.begin(), m_hooks.end(), hook), m_hooks.end());
}

namespace {

// The owner of a dialog created without a parent: the calling thread's active top-level
// window (the host's frame), so the host is disabled while the dialog runs.
HWND SafeOwner(CWnd* parent) {
    HWND owner = parent ? parent->m_hWnd : GetActiveWindow();
    if (owner) owner = GetAncestor(owner, GA_ROOT);
    return owner;
}

}  // namespace

const DLGTEMPLATE* CDialog::LoadTemplate() const {
    HINSTANCE resources = AfxGetResourceHandle();
    HRSRC found = FindResourceW(resources, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(5));
    HGLOBAL loaded = found ? LoadResource(resources, found) : nullptr;
    return loaded ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

// The system activates the next window only if the owner is already enabled when the dialog
// hides or goes away, so the owner is enabled again before either (as the system's own dialog
// functions do); otherwise the activation goes to some other top-level window.
void CDialog::GiveBackOwner() {
    if (m_bOwnerDisabled) {
        m_bOwnerDisabled = false;
        if (IsWindow(m_hOwner)) ::EnableWindow(m_hOwner, TRUE);
    }
}

INT_PTR CDialog::DoModal() {
    const DLGTEMPLATE* dialogTemplate = LoadTemplate();
    if (!dialogTemplate) return -1;

    // The hand-written modal loop: disable the owner first (as the system's modal dialogs do,
    // so the dialog initialises with its owner already disabled), pump our own messages so
    // that PreTranslateMessage sees posted commands (menu picks) and keys for any control
    // before dispatch, pass a WM_QUIT on, and give the owner back before the dialog goes away.
    m_hOwner = SafeOwner(m_pParentWnd);
    m_bOwnerDisabled = m_hOwner && ::IsWindowEnabled(m_hOwner);
    if (m_bOwnerDisabled) ::EnableWindow(m_hOwner, FALSE);
    m_bModal = true;
    m_bModalDone = false;
    m_nModalResult = -1;
    HWND hwnd = CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate, m_hOwner, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    if (hwnd && !m_bModalDone) ::ShowWindow(hwnd, SW_SHOWNORMAL);

    MSG msg;
    while (hwnd && !m_bModalDone) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        // Keys go to the focused control, so every descendant's messages are pre-translated,
        // not only the dialog's own.
        const bool ours = msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd);
        if (!ours || !PreTranslateGuarded(&msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    GiveBackOwner();
    if (hwnd && IsWindow(hwnd)) {
        if (m_hOwner && GetActiveWindow() == hwnd) SetActiveWindow(m_hOwner);
        ::DestroyWindow(hwnd);
    }
    m_hWnd = nullptr;
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    m_bModalDone = true;
    GiveBackOwner();
    if (m_hWnd) {
        ::ShowWindow(m_hWnd, SW_HIDE);
        // Wake the loop in case the call came from outside a dispatched message.
        PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

BOOL CDialog::Create(CWnd* parent) { return Create(parent ? parent->m_hWnd : nullptr); }

BOOL CDialog::Create(HWND parent) {
    const DLGTEMPLATE* dialogTemplate = LoadTemplate();
    if (!dialogTemplate || m_hWnd) return FALSE;
    m_bModal = false;
    HWND hwnd = CreateDialogIndirectParamW(AfxGetResourceHandle(), dialogTemplate, parent, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    m_hWnd = hwnd;
    return hwnd != nullptr;
}

void CDialog::DestroyWindow() {
    if (m_hWnd && IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) { return IsDialogMessageW(m_hWnd, msg); }

// Nothing may unwind through the host's call: a failure in pre-translation (the only one the
// module can raise is running out of memory) ends the dialog as not created, like one in the
// dialog procedure.
bool CDialog::PreTranslateGuarded(MSG* msg) {
    try {
        for (std::size_t i = 0; i < m_hooks.size(); ++i)
            if (m_hooks[i]->PreTranslate(*msg)) return true;
        return PreTranslateMessage(msg) != FALSE;
    } catch (...) {
        EndDialog(-1);
        return true;
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CDialog::OnUnhandledMessage(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        if (self) self->m_hWnd = hwnd;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    return Procedure(self, hwnd, message, wParam, lParam);
}

INT_PTR CALLBACK CDialog::PageDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self;
    if (message == WM_INITDIALOG) {
        const auto* page = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        self = page ? reinterpret_cast<CDialog*>(page->lParam) : nullptr;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        if (self) self->m_hWnd = hwnd;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    return Procedure(self, hwnd, message, wParam, lParam);
}

CDialog* CDialog::FromHandle(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    // Only our own procedures keep the object in DWLP_USER; another dialog may keep anything.
    const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrW(hwnd, DWLP_DLGPROC));
    if (proc != DialogProc && proc != PageDialogProc) return nullptr;
    return reinterpret_cast<CDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
}

INT_PTR CDialog::Procedure(CDialog* self, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!self) return FALSE;
    if (message == WM_NCDESTROY) {
        // The window is going away under us: its owner was destroyed, or a parent took its
        // children with it. A modal loop still running ends with -1.
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        if (self->m_hWnd == hwnd) self->m_hWnd = nullptr;
        if (self->m_bModal && !self->m_bModalDone) {
            self->m_bModalDone = true;
            self->m_nModalResult = -1;
        }
        return FALSE;
    }
    // Nothing may unwind through the system's dispatch code: a failure inside a handler (the
    // only one the module can raise is running out of memory) ends the dialog as not created.
    try {
        INT_PTR result = FALSE;
        for (std::size_t i = 0; i < self->m_hooks.size(); ++i)
            if (self->m_hooks[i]->OnDialogMessage(message, wParam, lParam, result)) return result;
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        self->EndDialog(-1);
        return TRUE;
    }
}

bool CDialog::CallEntry(const AFX_MSGMAP_ENTRY& e, UINT id, WPARAM wParam, LPARAM lParam,
                        INT_PTR& result) {
    result = TRUE;
    switch (e.sig) {
    case AfxSig::vv:
        (this->*e.pfn.vv)();
        return true;
    case AfxSig::vu:
        (this->*e.pfn.vu)(id);
        return true;
    case AfxSig::vDraw:
        (this->*e.pfn.vDraw)(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return true;
    case AfxSig::vMouse: {
        const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        (this->*e.pfn.vMouse)(static_cast<UINT>(wParam), pt);
        result = FALSE;  // let the default processing run as well
        return true;
    }
    case AfxSig::bDC:
        // Erase-background results go back through DWLP_MSGRESULT.
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, (this->*e.pfn.bDC)(reinterpret_cast<HDC>(wParam)));
        return true;
    case AfxSig::lNotify:
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, (this->*e.pfn.lNotify)(reinterpret_cast<NMHDR*>(lParam)));
        return true;
    case AfxSig::lNotifyU:
        SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT,
                          (this->*e.pfn.lNotifyU)(id, reinterpret_cast<NMHDR*>(lParam)));
        return true;
    case AfxSig::vDrawFor:
        (this->*e.pfn.vDrawFor)(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return true;
    case AfxSig::vMeasure:
        (this->*e.pfn.vMeasure)(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return true;
    case AfxSig::hColor:
        // WM_CTLCOLOR* is one of the messages whose result is the procedure's own.
        result = reinterpret_cast<INT_PTR>(
            (this->*e.pfn.hColor)(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        return true;
    case AfxSig::iRaw:
        result = (this->*e.pfn.iRaw)(wParam, lParam);
        return true;
    }
    return false;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    INT_PTR result = FALSE;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        const UINT code = HIWORD(wParam);
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_COMMAND, code, id)) {
            CallEntry(*e, id, wParam, lParam, result);
            return TRUE;
        }
        if (code == BN_CLICKED && id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (code == BN_CLICKED && id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return OnUnhandledMessage(message, wParam, lParam);
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const UINT id = static_cast<UINT>(header->idFrom);
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(WM_NOTIFY, header->code, id)) {
            CallEntry(*e, id, wParam, lParam, result);
            return TRUE;
        }
        return OnUnhandledMessage(message, wParam, lParam);
    }
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
        // wParam is the control id (0 for menu items).
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(message, 0, static_cast<UINT>(wParam))) {
            CallEntry(*e, static_cast<UINT>(wParam), wParam, lParam, result);
            return TRUE;
        }
        return OnUnhandledMessage(message, wParam, lParam);
    }
    default:
        if (const AFX_MSGMAP_ENTRY* e = FindEntry(message, 0, 0)) {
            CallEntry(*e, 0, wParam, lParam, result);
            return result;
        }
        return OnUnhandledMessage(message, wParam, lParam);
    }
}

std::vector<UINT> MissingTableControls(const CDialog& dialog, HWND hwnd) {
    std::vector<UINT> missing;
    for (const AFX_MSGMAP* map = dialog.GetMessageMap(); map; map = map->pBaseMap) {
        for (std::size_t i = 0; i < map->nCount; ++i) {
            const AFX_MSGMAP_ENTRY& e = map->lpEntries[i];
            if (!MatchesById(e.nMessage, e)) continue;
            for (UINT id = e.nID; id <= e.nLastID; ++id)
                if (!::GetDlgItem(hwnd, static_cast<int>(id))) missing.push_back(id);
        }
    }
    return missing;
}
