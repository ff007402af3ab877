#include "inhouse/TQSymbolWnd.h"

#include <iterator>

namespace {

// Drafting symbols of mechanical drawings, every one a character of GBK, so that it survives
// the dialog's texts on their way into the host's record.
const wchar_t* const kSymbols[] = {
    L"°", L"±", L"×", L"φ", L"≤", L"≥", L"≈", L"∠", L"⌒", L"□", L"⊥", L"∥",
    L"∽", L"‰", L"√", L"∞", L"≠", L"Φ",
};
constexpr int kSymbolCount = static_cast<int>(std::size(kSymbols));
constexpr int kRows = (kSymbolCount + CTQSymbolWnd::kColumns - 1) / CTQSymbolWnd::kColumns;

const wchar_t kClassName[] = L"TQDimSymbolPicker";

HINSTANCE ModuleInstance() { return AfxGetStaticModuleState()->m_hCurrentInstanceHandle; }

// The class is registered while a picker exists and unregistered with the last one: a class
// left registered would outlive the module if the host unloads it, pointing into freed code.
bool RegisterPickerClass(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(ModuleInstance(), kClassName, &wc)) return true;
    wc.lpfnWndProc = proc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.hInstance = ModuleInstance();
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

CTQSymbolWnd::CTQSymbolWnd() = default;

CTQSymbolWnd::~CTQSymbolWnd() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    UnregisterClassW(kClassName, ModuleInstance());  // fails while another picker is open
}

int CTQSymbolWnd::SymbolCount() { return kSymbolCount; }

const wchar_t* CTQSymbolWnd::Symbol(int index) {
    return index >= 0 && index < kSymbolCount ? kSymbols[index] : nullptr;
}

const AFX_MSGMAP* CTQSymbolWnd::GetThisMessageMap() {
    using namespace msgmap;
    using W = CTQSymbolWnd;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<W>(WM_PAINT, &W::OnPaint),
        Mouse<W>(WM_LBUTTONDOWN, &W::OnLButtonDown),
        Mouse<W>(WM_MOUSEMOVE, &W::OnMouseMove),
        Message<W>(WM_MOUSELEAVE, &W::OnMouseLeave),
        Message<W>(WM_NCDESTROY, &W::OnNcDestroy),
    };
    static const AFX_MSGMAP map{CWnd::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

int CTQSymbolWnd::Create(HWND parent) {
    if (m_hWnd || !parent || !IsWindow(parent) || !RegisterPickerClass(&CTQSymbolWnd::WindowProc)) return 0;
    RECT client{0, 0, kColumns * kCellPixels, kRows * kCellPixels};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
    RECT owner{};
    GetWindowRect(parent, &owner);
    HWND hwnd = CreateWindowExW(exStyle, kClassName, L"特殊符号", style, owner.right + 4, owner.top,
                                client.right - client.left, client.bottom - client.top, parent, nullptr,
                                ModuleInstance(), this);
    if (!hwnd) return 0;
    m_font.reset(CreateFontW(-18, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体"));
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return 1;
}

int CTQSymbolWnd::Add_DestWnd(HWND destination) {
    if (!destination) return static_cast<int>(m_destinations.size());
    m_destinations.push_back(destination);
    if (!m_hCurrent || GetFocus() == destination) m_hCurrent = destination;
    return static_cast<int>(m_destinations.size());
}

int CTQSymbolWnd::AutoCheck_DestWnd() {
    HWND focus = GetFocus();
    for (HWND d : m_destinations) {
        if (d == focus) {
            m_hCurrent = d;
            return 1;
        }
    }
    return 0;
}

LRESULT CALLBACK CTQSymbolWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<CTQSymbolWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<CTQSymbolWnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    // A click must leave the dialog active and its edit focused, caret and selection intact.
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    if (self) {
        if (const AFX_MSGMAP_ENTRY* e = self->FindEntry(message, 0, 0)) {
            if (e->sig == AfxSig::vMouse) {
                const POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                (self->*e->pfn.vMouse)(static_cast<UINT>(wParam), pt);
                return 0;
            }
            if (e->sig == AfxSig::vv) {
                (self->*e->pfn.vv)();
                if (message == WM_NCDESTROY) return DefWindowProcW(hwnd, message, wParam, lParam);
                return 0;
            }
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

RECT CTQSymbolWnd::CellRect(int index) const {
    const int x = (index % kColumns) * kCellPixels;
    const int y = (index / kColumns) * kCellPixels;
    return RECT{x, y, x + kCellPixels, y + kCellPixels};
}

int CTQSymbolWnd::CellAt(POINT pt) const {
    if (pt.x < 0 || pt.y < 0) return -1;
    const int column = pt.x / kCellPixels;
    const int row = pt.y / kCellPixels;
    if (column >= kColumns) return -1;
    const int index = row * kColumns + column;
    return index < kSymbolCount ? index : -1;
}

void CTQSymbolWnd::OnPaint() {
    gdi::PaintDC paint(m_hWnd);
    HDC dc = paint.get();
    gdi::Select font(dc, m_font.get());
    gdi::TextState state(dc);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < kSymbolCount; ++i) {
        RECT cell = CellRect(i);
        FillRect(dc, &cell, GetSysColorBrush(i == m_nHot ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        FrameRect(dc, &cell, GetSysColorBrush(COLOR_BTNSHADOW));
        SetTextColor(dc, GetSysColor(i == m_nHot ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawTextW(dc, kSymbols[i], -1, &cell, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void CTQSymbolWnd::OnMouseMove(UINT, POINT pt) {
    const int hot = CellAt(pt);
    if (hot == m_nHot) return;
    if (m_nHot >= 0) {
        const RECT old = CellRect(m_nHot);
        ::InvalidateRect(m_hWnd, &old, FALSE);
    }
    m_nHot = hot;
    if (hot >= 0) {
        const RECT now = CellRect(hot);
        ::InvalidateRect(m_hWnd, &now, FALSE);
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        TrackMouseEvent(&track);
    }
}

void CTQSymbolWnd::OnMouseLeave() { OnMouseMove(0, POINT{-1, -1}); }

void CTQSymbolWnd::OnLButtonDown(UINT, POINT pt) {
    const int cell = CellAt(pt);
    if (cell < 0 || !m_hCurrent || !IsWindow(m_hCurrent)) return;
    // While the owner is disabled (a modal sheet of its own is open) its edits take nothing.
    if (!::IsWindowEnabled(GetWindow(m_hWnd, GW_OWNER))) return;
    ::SendMessageW(m_hCurrent, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(kSymbols[cell]));
}

void CTQSymbolWnd::OnNcDestroy() {
    // Closed by the user or with its owner: the object stays, without a window.
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    m_nHot = -1;
}
