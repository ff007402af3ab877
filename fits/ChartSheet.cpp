#include "fits/ChartSheet.h"

namespace chart {

ModuleResourceScope::ModuleResourceScope() : m_saved(AfxGetModuleState()->m_hCurrentResourceHandle) {
    AfxGetModuleState()->m_hCurrentResourceHandle = AfxGetStaticModuleState()->m_hCurrentInstanceHandle;
}

ModuleResourceScope::~ModuleResourceScope() { AfxGetModuleState()->m_hCurrentResourceHandle = m_saved; }

void AssembleSheet(CPropertySheet& sheet, const char* caption, CPropertyPage* holePage, const char* holeTitle,
                   CPropertyPage* shaftPage, const char* shaftTitle) {
    sheet.Construct(caption, nullptr, 0);
    holePage->SetTitle(holeTitle);
    shaftPage->SetTitle(shaftTitle);
    sheet.m_psh.dwFlags &= ~static_cast<DWORD>(PSH_HASHELP);
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    sheet.AddPage(holePage);
    sheet.AddPage(shaftPage);
}

int RunSheet(CPropertySheet& sheet, const int& result) {
    sheet.DoModal();  // OK without a pick is no pick: only the result code counts
    return result >= 1 ? 1 : 2;
}

}  // namespace chart
