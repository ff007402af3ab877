// Property sheets and pages on the system's tab dialog (comctl32), and a registry of classes
// that can be created by their name.
//
// A page is a CDialog whose window comctl32 creates from a PROPSHEETPAGEW: the page object
// rides in the page's lParam, and the page dialog procedure attaches it at WM_INITDIALOG
// (comctl32 hands the procedure a copy of the PROPSHEETPAGEW, whose lParam is still the
// object). comctl32 destroys the page windows with the sheet; the objects live on, so the
// sheet's owner can ask them for the pick afterwards. The sheet
// runs modally inside PropertySheetW, which disables the owner, runs its own message loop with
// the sheet's dialog navigation, and re-enables the owner before the sheet goes away, so the
// activation returns to the owner.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/afxwin.h"

// ---------------------------------------------------------------------------------------------
// Classes created by name
//
// Each creatable class defines one static CRuntimeClass, which enters itself into the registry
// when the module's static objects are constructed. Lookups are by exact class name.

class CRuntimeClass {
public:
    using Factory = CCmdTarget* (*)();
    CRuntimeClass(const char* className, Factory factory);
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;

    const char* m_lpszClassName;
    Factory m_pfnCreateObject;

    // A new object of this class, owned by the caller (delete through its virtual destructor).
    CCmdTarget* CreateObject() const { return m_pfnCreateObject(); }

    // The registered class of that name, or null.
    static const CRuntimeClass* FromName(const char* className);
    // A new object of the class of that name, or null when no class has that name.
    static CCmdTarget* CreateObject(const char* className);

private:
    const CRuntimeClass* m_pNext;  // registry: a list threaded through the static objects
};

// The factory a class registers: `CRuntimeClass T::kClass{"T", &CreateObjectOf<T>};`
template <class T>
CCmdTarget* CreateObjectOf() {
    return new T;
}

// ---------------------------------------------------------------------------------------------
// Pages and sheets

class CPropertySheet;

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);
    ~CPropertyPage() override;

    // The description comctl32 creates the page from; the sheet completes it when the page is
    // added (instance, dialog procedure, this object).
    PROPSHEETPAGEW m_psp;

    // The tab title (GBK); also sets PSP_USETITLE.
    void SetTitle(const char* gbkTitle);

    // Property pages end with their sheet, never by themselves.
    void OnOK() override {}
    void OnCancel() override {}

    virtual const CRuntimeClass* GetRuntimeClass() const { return nullptr; }

private:
    std::wstring m_title;
};

class CPropertySheet : public CWnd {
public:
    // Without a window and without a caption: Construct gives them.
    CPropertySheet();
    explicit CPropertySheet(const char* gbkCaption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;

    void Construct(const char* gbkCaption, CWnd* parent = nullptr, UINT selectPage = 0);

    // The sheet does not own its pages.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;

    // Runs the sheet modally; IDOK or IDCANCEL as the sheet ended, -1 when it could not be
    // created.
    INT_PTR DoModal();

    // Header flags and the rest of the header; DoModal fills in the pages, caption and owner.
    PROPSHEETHEADERW m_psh;

private:
    std::wstring m_caption;
    CWnd* m_pParentWnd = nullptr;
    std::vector<CPropertyPage*> m_pages;
};
