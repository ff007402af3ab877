// A popup menu of bitmap items, built when it is shown and gone when it closes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct BitmapMenuItem {
    std::wstring bitmap;  // resource name in the current module's resources
    UINT command;         // posted to the owner as WM_COMMAND when picked
    bool checked;
    bool newColumn;  // the item starts a new column (menu-bar break)
};

// Shows the items as a popup menu whose right edge is at `screenPoint` (its top there too) and
// returns when the menu has closed. A pick is not returned: the system posts it to `owner` as
// WM_COMMAND with lParam 0, so a modal loop that pre-translates its queue sees it. The menu
// and every bitmap it showed are released before this returns. An item whose bitmap is not in
// the resources is left out. Returns false when the menu could not be shown.
bool TrackBitmapPopupMenu(HWND owner, POINT screenPoint, const std::vector<BitmapMenuItem>& items);
