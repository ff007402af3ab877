#include "inhouse/TabSheet.h"

#include <commctrl.h>

#include <string>

CTabSheet::~CTabSheet() {
    if (m_pDialog) m_pDialog->RemoveHook(this);
}

int CTabSheet::AddPage(const char* title, CDialog* page, UINT) {
    m_pages.push_back({CString(title ? title : ""), page});
    return static_cast<int>(m_pages.size()) - 1;
}

void CTabSheet::Show() {
    HWND dialogWnd = ::GetParent(m_hWnd);
    CDialog* dialog = CDialog::FromHandle(dialogWnd);
    if (!dialog || m_pDialog) return;
    m_pDialog = dialog;
    dialog->AddHook(this);

    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        std::wstring title = WideFromGbk(m_pages[i].title.c_str());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        SendMessage(TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }

    // The pages stand above the tab control; the tab leaves their area alone when it paints.
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, ::GetWindowLongPtrW(m_hWnd, GWL_STYLE) | WS_CLIPSIBLINGS);
    RECT area{};
    ::GetClientRect(m_hWnd, &area);
    SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    ::MapWindowPoints(m_hWnd, dialogWnd, reinterpret_cast<POINT*>(&area), 2);

    HWND after = HWND_TOP;
    for (Page& page : m_pages) {
        if (!page.dialog->Create(dialog)) continue;
        ::SetWindowPos(page.dialog->m_hWnd, after, area.left, area.top, area.right - area.left,
                       area.bottom - area.top, SWP_NOACTIVATE | SWP_HIDEWINDOW);
        after = page.dialog->m_hWnd;
    }
    if (!m_pages.empty()) SetActivePage(0);
}

void CTabSheet::SetActivePage(int index) {
    if (index < 0 || index >= static_cast<int>(m_pages.size())) return;
    HWND dialogWnd = ::GetParent(m_hWnd);
    HWND focus = ::GetFocus();
    bool focusOnHiddenPage = false;
    if (m_nCurrent >= 0 && m_nCurrent != index) {
        HWND old = m_pages[m_nCurrent].dialog->m_hWnd;
        focusOnHiddenPage = focus && (focus == old || ::IsChild(old, focus));
        ::ShowWindow(old, SW_HIDE);
    }
    m_nCurrent = index;
    SendMessage(TCM_SETCURSEL, index);
    ::ShowWindow(m_pages[index].dialog->m_hWnd, SW_SHOW);
    // A hidden control cannot keep the focus: it goes to the tabs.
    if (focusOnHiddenPage) ::SendMessageW(dialogWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWnd), TRUE);
}

bool CTabSheet::PreTranslate(MSG& msg) {
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from anywhere in the dialog.
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || ::GetKeyState(VK_CONTROL) >= 0) return false;
    const int n = static_cast<int>(m_pages.size());
    if (n == 0) return false;
    const int step = ::GetKeyState(VK_SHIFT) < 0 ? n - 1 : 1;
    SetActivePage((m_nCurrent + step) % n);
    return true;
}

bool CTabSheet::OnDialogMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
    if (message != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom != m_hWnd || header->code != TCN_SELCHANGE) return false;
    SetActivePage(static_cast<int>(SendMessage(TCM_GETCURSEL)));
    result = 0;
    return true;
}
