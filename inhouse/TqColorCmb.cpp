#include "inhouse/TqColorCmb.h"

#include <string>

#include "framework/gdi.h"
#include "inhouse/color_palette.h"

namespace {

COLORREF ColorRef(uint32_t rgb) { return RGB(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF); }

}  // namespace

void CTqColorCmb::InitBox(int color, int) {
    SendMessage(CB_RESETCONTENT);
    for (int n = 0; n < palette::kColorCount; ++n) AddString(palette::Label(n).c_str());
    SetCurSel(color >= 0 && color < palette::kColorCount ? color : -1);
}

void CTqColorCmb::DrawItem(DRAWITEMSTRUCT* dis) {
    HDC dc = dis->hDC;
    const RECT rc = dis->rcItem;
    const bool selected = (dis->itemState & ODS_SELECTED) != 0;
    const bool disabled = (dis->itemState & ODS_DISABLED) != 0;
    {
        gdi::Brush back(CreateSolidBrush(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW)));
        FillRect(dc, &rc, back.get());
    }
    const int item = static_cast<int>(dis->itemID);
    if (item >= 0 && item < palette::kColorCount) {
        const int h = rc.bottom - rc.top;
        RECT swatch{rc.left + 2, rc.top + 2, rc.left + 2 + h * 3 / 2, rc.bottom - 2};
        gdi::Brush fill(CreateSolidBrush(ColorRef(palette::Rgb(item))));
        FillRect(dc, &swatch, fill.get());
        FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

        const std::wstring label = WideFromGbk(palette::Label(item).c_str());
        RECT text{swatch.right + 4, rc.top, rc.right, rc.bottom};
        gdi::TextState keep(dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, label.c_str(), static_cast<int>(label.size()), &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &rc);
}
