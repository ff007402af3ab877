#include "widgets/BitmapPopupMenu.h"

#include "framework/afxwin.h"
#include "framework/gdi.h"

bool TrackBitmapPopupMenu(HWND owner, POINT screenPoint, const std::vector<BitmapMenuItem>& items) {
    // Bitmaps are declared before the menu, so the menu is destroyed first: DestroyMenu does not
    // delete the bitmaps of MF_BITMAP items, and none may be deleted while a menu still shows it.
    std::vector<gdi::Bitmap> bitmaps;
    bitmaps.reserve(items.size());
    gdi::Menu menu(CreatePopupMenu());
    if (!menu.get()) return false;
    for (const BitmapMenuItem& item : items) {
        HBITMAP bitmap = LoadBitmapW(AfxGetResourceHandle(), item.bitmap.c_str());
        if (!bitmap) continue;
        bitmaps.emplace_back(bitmap);
        UINT flags = MF_BITMAP | (item.checked ? MF_CHECKED : MF_UNCHECKED);
        if (item.newColumn) flags |= MF_MENUBARBREAK;
        AppendMenuW(menu.get(), flags, item.command, reinterpret_cast<LPCWSTR>(bitmap));
    }
    return TrackPopupMenu(menu.get(), TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, screenPoint.x,
                          screenPoint.y, 0, owner, nullptr) != FALSE;
}
