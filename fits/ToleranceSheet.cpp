#include "fits/ToleranceSheet.h"

#include <cmath>

CToleranceSheet::CToleranceSheet() = default;
CToleranceSheet::~CToleranceSheet() = default;

void CToleranceSheet::SetBasicSize(double size) { m_basicSize = std::fabs(size); }
int CToleranceSheet::Create(CWnd*) { return 0; }
int CToleranceSheet::DoModal() { return -1; }
CString CToleranceSheet::GetZone() const { return CString(); }
