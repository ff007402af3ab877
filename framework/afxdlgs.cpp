#include "framework/afxdlgs.h"

#include <cstring>

// ---------------------------------------------------------------------------------------------
// Classes created by name

namespace {
// Constant-initialised, so every registration made by a static constructor finds it ready.
const CRuntimeClass* g_firstClass = nullptr;
}  // namespace

CRuntimeClass::CRuntimeClass(const char* className, Factory factory)
    : m_lpszClassName(className), m_pfnCreateObject(factory), m_pNext(g_firstClass) {
    g_firstClass = this;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
    if (!className) return nullptr;
    for (const CRuntimeClass* c = g_firstClass; c; c = c->m_pNext) {
        if (std::strcmp(c->m_lpszClassName, className) == 0) return c;
    }
    return nullptr;
}

CCmdTarget* CRuntimeClass::CreateObject(const char* className) {
    const CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}

// ---------------------------------------------------------------------------------------------
// Pages

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {
    std::memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.pszTemplate = MAKEINTRESOURCEW(templateId);
    m_psp.pfnDlgProc = PageDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::SetTitle(const char* gbkTitle) {
    m_title = WideFromGbk(gbkTitle);
    m_psp.pszTitle = m_title.c_str();
    m_psp.dwFlags |= PSP_USETITLE;
}

// ---------------------------------------------------------------------------------------------
// Sheets

CPropertySheet::CPropertySheet() {
    std::memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
}

CPropertySheet::CPropertySheet(const char* gbkCaption, CWnd* parent, UINT selectPage) : CPropertySheet() {
    Construct(gbkCaption, parent, selectPage);
}

CPropertySheet::~CPropertySheet() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

void CPropertySheet::Construct(const char* gbkCaption, CWnd* parent, UINT selectPage) {
    m_caption = WideFromGbk(gbkCaption);
    m_pParentWnd = parent;
    m_psh.nStartPage = selectPage;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (!page) return;
    // The template is looked up where the page is added: the current module's resources.
    page->m_psp.hInstance = AfxGetResourceHandle();
    m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr;
}

INT_PTR CPropertySheet::DoModal() {
    if (m_pages.empty()) return -1;
    const INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    std::vector<PROPSHEETPAGEW> pages;
    pages.reserve(m_pages.size());
    for (CPropertyPage* page : m_pages) pages.push_back(page->m_psp);

    // Without a parent the sheet is owned like the module's dialogs: by the calling thread's
    // active top-level window, which comctl32 disables while the sheet runs.
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : GetActiveWindow();
    if (owner) owner = GetAncestor(owner, GA_ROOT);

    PROPSHEETHEADERW header = m_psh;
    header.dwSize = sizeof header;
    header.dwFlags = (header.dwFlags | PSH_PROPSHEETPAGE) & ~static_cast<DWORD>(PSH_MODELESS);
    header.hwndParent = owner;
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    if (header.nStartPage >= header.nPages) header.nStartPage = 0;
    header.ppsp = pages.data();

    const INT_PTR result = PropertySheetW(&header);
    m_hWnd = nullptr;
    // PropertySheetW gives a positive value for OK (ID_PSREBOOTSYSTEM and ID_PSRESTARTWINDOWS
    // do not occur without pages asking for them), 0 for Cancel and -1 for a failure.
    if (result < 0) return -1;
    return result > 0 ? IDOK : IDCANCEL;
}
