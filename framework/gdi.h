// Owners for GDI and USER handles, device-context holders and a select guard.
//
// Declare the owner before the guard that selects it: the guard puts the previous object back
// on destruction, so an object is never deleted while it is still selected.
#pragma once

#include <windows.h>

#include <utility>

namespace gdi {

template <class H>
class Object {
public:
    Object() = default;
    explicit Object(H handle) : m_h(handle) {}
    ~Object() { reset(); }
    Object(Object&& other) noexcept : m_h(std::exchange(other.m_h, nullptr)) {}
    Object& operator=(Object&& other) noexcept {
        if (this != &other) reset(std::exchange(other.m_h, nullptr));
        return *this;
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    H get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void reset(H handle = nullptr) {
        if (m_h) DeleteObject(m_h);
        m_h = handle;
    }

private:
    H m_h = nullptr;
};

using Font = Object<HFONT>;
using Pen = Object<HPEN>;
using Brush = Object<HBRUSH>;
using Bitmap = Object<HBITMAP>;

class Menu {
public:
    Menu() = default;
    explicit Menu(HMENU handle) : m_h(handle) {}
    ~Menu() { reset(); }
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    HMENU get() const { return m_h; }
    void reset(HMENU handle = nullptr) {
        if (m_h) DestroyMenu(m_h);
        m_h = handle;
    }

private:
    HMENU m_h = nullptr;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(BeginPaint(hwnd, &m_ps)) {}
    ~PaintDC() { EndPaint(m_hwnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return m_hdc; }
    const PAINTSTRUCT& paint() const { return m_ps; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_hdc;
};

// GetDC / ReleaseDC (client area of a window).
class ClientDC {
public:
    explicit ClientDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(GetDC(hwnd)) {}
    ~ClientDC() {
        if (m_hdc) ReleaseDC(m_hwnd, m_hdc);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    HDC get() const { return m_hdc; }

private:
    HWND m_hwnd;
    HDC m_hdc;
};

// CreateCompatibleDC / DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : m_hdc(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (m_hdc) DeleteDC(m_hdc);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return m_hdc; }

private:
    HDC m_hdc;
};

// Selects an object into a DC and puts the previous one back on destruction.
class Select {
public:
    Select(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_old(object ? SelectObject(hdc, object) : nullptr) {}
    ~Select() {
        if (m_old) SelectObject(m_hdc, m_old);
    }
    Select(const Select&) = delete;
    Select& operator=(const Select&) = delete;

private:
    HDC m_hdc;
    HGDIOBJ m_old;
};

// Copies `size` of a bitmap, unscaled, to (x, y) of a DC with a raster operation (SRCCOPY;
// SRCAND lets a white background vanish over what is already drawn). Nothing for a null bitmap.
inline void DrawBitmap(HDC hdc, HBITMAP bitmap, int x, int y, SIZE size, DWORD rop = SRCCOPY) {
    if (!hdc || !bitmap) return;
    MemoryDC mem(hdc);
    Select select(mem.get(), bitmap);
    // A monochrome source maps its 0 bits to the DC's text colour and 1 bits to its background
    // colour: black on white in a DC that nobody recoloured.
    BitBlt(hdc, x, y, size.cx, size.cy, mem.get(), 0, 0, rop);
}

// Saves and restores the DC's text colour and background mode.
class TextState {
public:
    explicit TextState(HDC hdc)
        : m_hdc(hdc), m_color(GetTextColor(hdc)), m_mode(GetBkMode(hdc)) {}
    ~TextState() {
        SetTextColor(m_hdc, m_color);
        SetBkMode(m_hdc, m_mode);
    }
    TextState(const TextState&) = delete;
    TextState& operator=(const TextState&) = delete;

private:
    HDC m_hdc;
    COLORREF m_color;
    int m_mode;
};

}  // namespace gdi
