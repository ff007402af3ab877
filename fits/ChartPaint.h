// Drawing shared by the four chart pages: their fonts and background, 3-D framed cells, the
// legend and the info box. Every routine leaves the DC's objects, colours and modes as it found
// them, so a page can paint into a window DC or a memory bitmap alike.
#pragma once

#include <windows.h>

#include <string>

#include "fits/chart_layout.h"
#include "framework/gdi.h"

namespace chart {

inline constexpr COLORREF kPreferredColour = RGB(255, 128, 255);
inline constexpr COLORREF kCommonColour = RGB(0, 255, 0);
inline constexpr COLORREF kGeneralColour = RGB(0, 255, 255);
inline constexpr COLORREF kLight = RGB(192, 192, 192);  // top and left of a 3-D frame
inline constexpr COLORREF kDark = RGB(0, 0, 64);        // bottom and right
inline constexpr COLORREF kGridColour = RGB(230, 230, 230);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// What each page creates in its constructor and releases in its destructor: the header and cell
// fonts ("宋体" at the given pixel heights) and the pattern brush from bitmap 2015, loaded from
// the current resources.
struct Resources {
    Resources(int headerHeight, int cellHeight);
    gdi::Font header;
    gdi::Font cell;
    gdi::Bitmap background;
    gdi::Brush brush;
};

RECT ToRECT(const fits::Rect& r);
void FillSolid(HDC dc, const fits::Rect& r, COLORREF colour);
void FillBrush(HDC dc, const fits::Rect& r, HBRUSH brush);
// Light top and left, dark bottom and right, one pixel inside the rectangle.
void Frame3d(HDC dc, const fits::Rect& r, COLORREF topLeft = kLight, COLORREF bottomRight = kDark);
void Line(HDC dc, int x0, int y0, int x1, int y1);
// GBK text in a rectangle with DrawText flags.
void Text(HDC dc, const char* gbkText, const fits::Rect& r, UINT format);
inline void CentredText(HDC dc, const char* gbkText, const fits::Rect& r) {
    Text(dc, gbkText, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
// Width of a one-line GBK text in the DC's current font.
int TextWidth(HDC dc, const char* gbkText);

// A 3-D framed cell in a class colour with its text centred.
void PaintCell(HDC dc, const fits::Rect& r, COLORREF colour, const char* gbkText);

struct LegendEntry {
    COLORREF colour;
    const char* gbkLabel;
};
// The box filled with the background and framed in black, then each entry's framed swatch and
// its label in black, in the header font.
void PaintLegend(HDC dc, const fits::LegendLayout& legend, const LegendEntry* entries, const Resources& res);

// The info box: background, three nested frames (light grey, black, light grey), and the text
// block centred in the area inside them, in the header font and the given colour.
void PaintInfoBox(HDC dc, const fits::Rect& box, const std::string& gbkText, COLORREF colour,
                  const Resources& res);

}  // namespace chart
