// The special-symbol picker of the in-house widget library, as the dimension dialog calls it,
// and the module's own stand-in for it.
//
// Calls and order the caller relies on: construct on the heap; Create(dialog) (nonzero: the
// picker window is open); Add_DestWnd for each edit that may receive a symbol; AutoCheck_DestWnd
// whenever one of them gains the focus; destroy the window and delete the object to close it.
//
// The picker is a small tool window owned by the caller's dialog. It never takes the activation
// or the focus away from the dialog (WS_EX_NOACTIVATE, and MA_NOACTIVATE on every click), so a
// pick replaces the selection of the edit that still holds the caret: the registered edit that
// last had the focus. The user may close the picker with its close box; the object then stays
// without a window (GetSafeHwnd() is null) until its owner deletes it.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/afxwin.h"
#include "framework/gdi.h"

class CTQSymbolWnd : public CWnd {
public:
    CTQSymbolWnd();
    virtual ~CTQSymbolWnd();

    // Opens the picker beside `parent`, owned by it, without activating it. Nonzero on success.
    virtual int Create(HWND parent);
    // Registers an edit as a possible destination; the first one, or one that has the focus,
    // becomes current. Returns the number of destinations.
    int Add_DestWnd(HWND destination);
    // Makes the registered edit that has the focus the current destination. Returns 1 when the
    // destination is a registered edit with the focus, 0 otherwise (the destination then stays).
    int AutoCheck_DestWnd();

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // The symbols offered, in cell order (row by row, kColumns to a row), and the cell size.
    static constexpr int kColumns = 6;
    static constexpr int kCellPixels = 28;
    static int SymbolCount();
    static const wchar_t* Symbol(int index);

    HWND CurrentDestination() const { return m_hCurrent; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnLButtonDown(UINT flags, POINT pt);
    void OnMouseMove(UINT flags, POINT pt);
    void OnMouseLeave();
    void OnNcDestroy();
    int CellAt(POINT pt) const;
    RECT CellRect(int index) const;

    std::vector<HWND> m_destinations;
    HWND m_hCurrent = nullptr;
    gdi::Font m_font;
    int m_nHot = -1;
};
