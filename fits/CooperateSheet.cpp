#include "fits/CooperateSheet.h"

#include <cmath>

#include "fits/ChartSheet.h"
#include "fits/TQAxisCooperate.h"
#include "fits/TQHoleCooperate.h"
#include "fits/chart_texts.h"

CCooperateSheet::CCooperateSheet() = default;

CCooperateSheet::~CCooperateSheet() {
    delete m_pShaftPage;
    delete m_pHolePage;
}

void CCooperateSheet::SetBasicSize(double size) { m_basicSize = std::fabs(size); }

int CCooperateSheet::Create(CWnd*) {
    if (m_pShaftPage || m_pHolePage) return -1;
    chart::ModuleResourceScope resources;
    m_pShaftPage = new CTQAxisCooperate;
    m_pHolePage = new CTQHoleCooperate;
    chart::AssembleSheet(m_sheet, fits::text::kCooperateSheet, m_pHolePage, fits::text::kHoleBasis, m_pShaftPage,
                         fits::text::kShaftBasis);
    return 0;
}

int CCooperateSheet::DoModal() {
    if (!m_pShaftPage || !m_pHolePage) return -1;
    m_nResult = -1;
    m_pShaftPage->SetResultTarget(&m_nResult);
    m_pHolePage->SetResultTarget(&m_nResult);
    return chart::RunSheet(m_sheet, m_nResult);
}

int CCooperateSheet::GetFit(CString& holeZone, CString& shaftZone) const {
    if (m_nResult == 1 && m_pHolePage) return m_pHolePage->GetSelectedFit(holeZone, shaftZone);
    if (m_nResult == 2 && m_pShaftPage) return m_pShaftPage->GetSelectedFit(holeZone, shaftZone);
    return -1;
}
