#include "fits/CooperateSheet.h"

#include <cmath>

CCooperateSheet::CCooperateSheet() = default;
CCooperateSheet::~CCooperateSheet() = default;

void CCooperateSheet::SetBasicSize(double size) { m_basicSize = std::fabs(size); }
int CCooperateSheet::Create(CWnd*) { return -1; }
int CCooperateSheet::DoModal() { return -1; }
int CCooperateSheet::GetFit(CString&, CString&) const { return -1; }
