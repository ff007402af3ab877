#include "fits/ToleranceSheet.h"

#include <cmath>

#include "fits/ChartSheet.h"
#include "fits/TQAxisTolerance.h"
#include "fits/TQHoleTolerance.h"
#include "fits/chart_texts.h"

CToleranceSheet::CToleranceSheet() = default;

CToleranceSheet::~CToleranceSheet() {
    delete m_pShaftPage;
    delete m_pHolePage;
}

void CToleranceSheet::SetBasicSize(double size) { m_basicSize = std::fabs(size); }

int CToleranceSheet::Create(CWnd*) {
    if (m_pShaftPage || m_pHolePage) return 0;
    chart::ModuleResourceScope resources;
    m_pShaftPage = new CTQAxisTolerance;
    m_pHolePage = new CTQHoleTolerance;
    chart::AssembleSheet(m_sheet, fits::text::kToleranceSheet, m_pHolePage, fits::text::kHole, m_pShaftPage,
                         fits::text::kShaft);
    return 0;
}

int CToleranceSheet::DoModal() {
    if (!m_pShaftPage || !m_pHolePage) return -1;
    m_nResult = -1;
    // The pages append their labels for the size: one DoModal per object.
    m_pHolePage->SetBasicSize(m_basicSize);
    m_pShaftPage->SetBasicSize(m_basicSize);
    m_pShaftPage->SetResultTarget(&m_nResult);
    m_pHolePage->SetResultTarget(&m_nResult);
    return chart::RunSheet(m_sheet, m_nResult);
}

CString CToleranceSheet::GetZone() const {
    if (m_nResult == 1 && m_pHolePage) return m_pHolePage->GetSelectedZone();
    if (m_nResult == 2 && m_pShaftPage) return m_pShaftPage->GetSelectedZone();
    return CString();
}
