#include "fits/ChartPaint.h"

#include "framework/afxwin.h"
#include "res/fits_res.h"

namespace chart {

namespace {

HFONT CreateChartFont(int height) {
    // A positive height asks for the cell height in pixels; everything else stays default.
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"\x5B8B\x4F53");  // 宋体
}

// A rectangle filled with a colour through ExtTextOut, the cheapest solid fill; the DC's
// background colour is put back afterwards.
void Solid(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    const RECT r{left, top, right, bottom};
    const COLORREF old = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, old);
}

void Frame(HDC dc, const fits::Rect& r, COLORREF colour) { Frame3d(dc, r, colour, colour); }

}  // namespace

Resources::Resources(int headerHeight, int cellHeight)
    : header(CreateChartFont(headerHeight)),
      cell(CreateChartFont(cellHeight)),
      background(LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDB_FITS_BACKGROUND))),
      brush(background ? CreatePatternBrush(background.get()) : CreateSolidBrush(RGB(255, 255, 255))) {}

RECT ToRECT(const fits::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

void FillSolid(HDC dc, const fits::Rect& r, COLORREF colour) { Solid(dc, r.left, r.top, r.right, r.bottom, colour); }

void FillBrush(HDC dc, const fits::Rect& r, HBRUSH brush) {
    const RECT rc = ToRECT(r);
    FillRect(dc, &rc, brush);
}

void Frame3d(HDC dc, const fits::Rect& r, COLORREF topLeft, COLORREF bottomRight) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    Solid(dc, r.left, r.top, r.right - 1, r.top + 1, topLeft);
    Solid(dc, r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
    Solid(dc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
    Solid(dc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void Text(HDC dc, const char* gbkText, const fits::Rect& r, UINT format) {
    const std::wstring wide = WideFromGbk(gbkText);
    RECT rc = ToRECT(r);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rc, format | DT_NOPREFIX);
}

int TextWidth(HDC dc, const char* gbkText) {
    const std::wstring wide = WideFromGbk(gbkText);
    RECT rc{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    return rc.right - rc.left;
}

void PaintCell(HDC dc, const fits::Rect& r, COLORREF colour, const char* gbkText) {
    FillSolid(dc, r, colour);
    Frame3d(dc, r);
    if (gbkText) CentredText(dc, gbkText, r);
}

void PaintLegend(HDC dc, const fits::LegendLayout& legend, const LegendEntry* entries, const Resources& res) {
    if (!legend.drawn) return;
    gdi::Select font(dc, res.header.get());
    gdi::TextState text(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kBlack);
    FillBrush(dc, legend.box, res.brush.get());
    Frame(dc, legend.box, kBlack);
    if (!legend.entries) return;
    for (int j = 0; j < legend.count; ++j) {
        PaintCell(dc, legend.swatch[j], entries[j].colour, nullptr);
        Text(dc, entries[j].gbkLabel, legend.label[j], DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

void PaintInfoBox(HDC dc, const fits::Rect& box, const std::string& gbkText, COLORREF colour,
                  const Resources& res) {
    gdi::Select font(dc, res.header.get());
    gdi::TextState text(dc);
    SetBkMode(dc, TRANSPARENT);
    FillBrush(dc, box, res.brush.get());
    Frame(dc, box, kLight);
    Frame(dc, fits::Inset(box, 1), kBlack);
    Frame(dc, fits::Inset(box, 2), kLight);
    if (gbkText.empty()) return;
    SetTextColor(dc, colour);
    const std::wstring wide = WideFromGbk(gbkText.c_str());
    RECT area = ToRECT(fits::Inset(box, 2));
    RECT measured = area;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured, DT_LEFT | DT_CALCRECT | DT_NOPREFIX);
    area.left += ((area.right - area.left) - (measured.right - measured.left)) / 2;
    area.top += ((area.bottom - area.top) - (measured.bottom - measured.top)) / 2;
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, DT_LEFT | DT_NOPREFIX);
}

}  // namespace chart
