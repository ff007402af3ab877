#include "fits/ChartPage.h"

#include <iterator>

CChartPage::CChartPage(UINT templateId, int headerFontHeight, int resultCode)
    : CPropertyPage(templateId), m_res(headerFontHeight, 12), m_resultCode(resultCode) {}

CChartPage::~CChartPage() = default;

const AFX_MSGMAP* CChartPage::GetThisMessageMap() {
    using namespace msgmap;
    using D = CChartPage;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<D>(WM_PAINT, &D::OnPaint),
        EraseBkgnd<D>(&D::OnEraseBkgnd),
        Mouse<D>(WM_MOUSEMOVE, &D::OnMouseMove),
        Mouse<D>(WM_LBUTTONDOWN, &D::OnLButtonDown),
    };
    static const AFX_MSGMAP map{CPropertyPage::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

BOOL CChartPage::OnEraseBkgnd(HDC dc) {
    RECT client;
    GetClientRect(m_hWnd, &client);
    FillRect(dc, &client, m_res.brush.get());
    return TRUE;
}

void CChartPage::OnPaint() {
    gdi::PaintDC dc(m_hWnd);
    RECT client;
    GetClientRect(m_hWnd, &client);
    Paint(dc.get(), client);
}

void CChartPage::OnMouseMove(UINT, POINT point) {
    // A miss compares as (-1, -1): off the grid the box is redrawn with the last hovered cell.
    const fits::Cell hit = HitTest(point.x, point.y);
    if (hit == m_hovered) return;
    gdi::ClientDC dc(m_hWnd);
    DrawInfoBox(dc.get(), hit.row, hit.column);
}

void CChartPage::OnLButtonDown(UINT, POINT point) {
    const fits::Cell hit = HitTest(point.x, point.y);
    if (!Offered(hit)) return;
    m_selected = hit;
    {
        gdi::ClientDC dc(m_hWnd);
        DrawInfoBox(dc.get(), hit.row, hit.column);
    }
    if (m_pResult) *m_pResult = m_resultCode;
    PostMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
