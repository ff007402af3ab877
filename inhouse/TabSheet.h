// Stand-in for the in-house tab sheet: a tab control of a dialog template that shows one of
// several child page dialogs in its display area.
//
// AddPage only records a page; Show creates every page window at once, as a child of the
// dialog laid over the tab's display area, shows the first and from then on follows the
// user's pick (a click on a tab, the arrow keys on the focused tabs, Ctrl+Tab and
// Ctrl+Shift+Tab anywhere in the dialog). All pages live until the dialog is destroyed, so the
// dialog can read the controls of every page when it closes.
#pragma once

#include <vector>

#include "framework/afxwin.h"

class CTabSheet : public CWnd, private CMessageHook {
public:
    CTabSheet() = default;
    ~CTabSheet() override;

    // Records a page; its window is created by Show, from the page object's own template
    // (`templateId` names the same one). Returns the page's tab index.
    int AddPage(const char* title, CDialog* page, UINT templateId);
    void Show();

private:
    struct Page {
        CString title;
        CDialog* dialog;
    };

    void SetActivePage(int index);
    bool PreTranslate(MSG& msg) override;
    bool OnDialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

    std::vector<Page> m_pages;
    int m_nCurrent = -1;
    CDialog* m_pDialog = nullptr;  // the dialog holding the tab control, joined by Show
};
