#include "weld/WeldDlg.h"

#include <string>

#include "framework/gdi.h"
#include "res/weld_res.h"
#include "widgets/BitmapPopupMenu.h"

namespace {

// Texts beyond this many characters can be neither typed nor shown.
constexpr int kTextLimit = 40;

constexpr int kBitmapSize = 32;

// Where each menu's right edge stands, in client pixels.
constexpr POINT kBasicMenuAt{468, 16};
constexpr POINT kAuxMenuAt{468, 45};
constexpr POINT kHeadMenuAt{468, 88};
constexpr POINT kTailMenuAt{468, 148};
constexpr POINT kMiddleMenuAt{468, 118};

// The edits whose texts the record carries. Edit 107 is none of them: it stays hidden, never
// filled and never read; strReserved has no edit and only passes through.
struct EditField {
    int id;
    CString WeldRecord::*text;
};
constexpr EditField kTextEdits[] = {
    {IDC_WELD_UP_LEFT, &WeldRecord::strUpLeft},     {IDC_WELD_UP_MID, &WeldRecord::strUpMid},
    {IDC_WELD_UP_RIGHT, &WeldRecord::strUpRight},   {IDC_WELD_DOWN_LEFT, &WeldRecord::strDownLeft},
    {IDC_WELD_DOWN_MID, &WeldRecord::strDownMid},   {IDC_WELD_DOWN_RIGHT, &WeldRecord::strDownRight},
    {IDC_WELD_TAIL, &WeldRecord::strTail},          {IDC_WELD_UP_FAR, &WeldRecord::strUpFar},
    {IDC_WELD_DOWN_FAR, &WeldRecord::strDownFar},
};
constexpr int kLimitedEdits[] = {IDC_WELD_UP_LEFT,   IDC_WELD_UP_MID,    IDC_WELD_UP_RIGHT, IDC_WELD_DOWN_RIGHT,
                                 IDC_WELD_DOWN_MID,  IDC_WELD_DOWN_LEFT, IDC_WELD_LEFT_EDGE, IDC_WELD_TAIL,
                                 IDC_WELD_UP_FAR,    IDC_WELD_DOWN_FAR};

const char* const kLineTypes[] = {"\xC3\xBB\xD3\xD0\xD0\xE9\xCF\xDF",   // 没有虚线
                                  "\xD0\xE9\xCF\xDF\xD4\xDA\xC9\xCF",   // 虚线在上
                                  "\xD0\xE9\xCF\xDF\xD4\xDA\xCF\xC2"};  // 虚线在下

// Resource name of a symbol bitmap ("welds%d"; resource names ignore case).
std::wstring BitmapName(int bitmap) { return L"welds" + std::to_wstring(bitmap); }

void Line(HDC hdc, int x0, int y0, int x1, int y1) {
    MoveToEx(hdc, x0, y0, nullptr);
    LineTo(hdc, x1, y1);
}

}  // namespace

CWeldDlg::CWeldDlg(CWnd* parent) : CDialog(IDD_WELD, parent), m_rcPreview{10, 30, 430, 140} {
    m_data.nBasic1 = m_data.nBasic2 = m_data.nAux1 = m_data.nAux2 = m_data.nMiddle = weld::kNone;
    m_data.nLineType = 0;
    for (int i = 0; i < weld::kSupplementCount; ++i) m_data.bHead[i] = m_data.bTail[i] = 0;
    const weld::Anchor* table = weld::AnchorTable();
    for (int k = 0; k < weld::kAnchorCount; ++k) m_anchors[k] = table[k];
}

const AFX_MSGMAP* CWeldDlg::GetThisMessageMap() {
    using namespace msgmap;
    using D = CWeldDlg;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<D>(WM_PAINT, &D::OnPaint),
        Command<D>(BN_CLICKED, IDC_WELD_BASIC, &D::OnBasic),
        Command<D>(BN_CLICKED, IDC_WELD_AUX, &D::OnAux),
        Command<D>(BN_CLICKED, IDC_WELD_HEAD, &D::OnHead),
        Command<D>(BN_CLICKED, IDC_WELD_TAIL_SYMBOLS, &D::OnTail),
        Command<D>(CBN_SELCHANGE, IDC_WELD_LINE_TYPE, &D::OnSelchangeLineType),
        Command<D>(BN_CLICKED, IDC_WELD_MIDDLE, &D::OnMiddle),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

void CWeldDlg::SetEditText(int id, const CString& text) {
    // The limit of the edit stops typing only: a longer host text is cut here, on a whole
    // character.
    std::wstring wide = WideFromGbk(text);
    if (wide.size() > kTextLimit) {
        std::size_t keep = kTextLimit;
        if (IS_HIGH_SURROGATE(wide[keep - 1])) --keep;
        wide.resize(keep);
    }
    SetDlgItemTextW(m_hWnd, id, wide.c_str());
}

void CWeldDlg::ReadEditText(int id, CString& text) const {
    text = GetWindowTextGbk(GetDlgItem(id)).c_str();
}

BOOL CWeldDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The data exchange binds nothing here: the list is reached through its window.
    m_cmbLineType.m_hWnd = GetDlgItem(IDC_WELD_LINE_TYPE);
    for (const EditField& f : kTextEdits) SetEditText(f.id, m_data.*f.text);
    for (int id : kLimitedEdits) SendDlgItemMessageW(m_hWnd, id, EM_LIMITTEXT, kTextLimit, 0);
    ::ShowWindow(GetDlgItem(IDC_WELD_LEFT_EDGE), SW_HIDE);
    for (const char* text : kLineTypes) m_cmbLineType.AddString(text);
    // A value outside 0-2 selects nothing.
    m_cmbLineType.SetCurSel(m_data.nLineType);
    return TRUE;
}

void PaintWeldPreview(HDC hdc, const WeldRecord& rec, const weld::Anchor* anchors, HINSTANCE resources) {
    using namespace weld;
    Line(hdc, kLineLeft, kLineY, kLineRight, kLineY);
    // Arrow line from the arrowhead to the start of the reference line, and the head's two arms.
    Line(hdc, 12, 36, kLineLeft, kLineY);
    MoveToEx(hdc, 28, 47, nullptr);
    LineTo(hdc, 12, 36);
    LineTo(hdc, 12, 52);
    if (const int y = IdentificationLineY(rec.nLineType)) Line(hdc, kLineLeft, y, kLineRight, y);

    for (const Placement& p : PreviewPlacements(rec)) {
        gdi::Bitmap bitmap(LoadBitmapW(resources, BitmapName(p.bitmap).c_str()));
        const Anchor a = anchors[AnchorSlot(p.bitmap)];  // every placed bitmap has its pair
        // AND keeps what lies under the white background and darkens it with the strokes.
        gdi::DrawBitmap(hdc, bitmap.get(), p.x - a.x, p.y - a.y, {kBitmapSize, kBitmapSize}, SRCAND);
    }
}

void CWeldDlg::OnPaint() {
    gdi::PaintDC dc(m_hWnd);
    PaintWeldPreview(dc.get(), m_data, m_anchors, AfxGetResourceHandle());
}

void CWeldDlg::ShowMenu(weld::Menu menu, POINT clientPoint) {
    std::vector<BitmapMenuItem> items;
    for (const weld::MenuEntry& e : weld::MenuEntries(menu, m_data))
        items.push_back({BitmapName(e.bitmap), e.command, e.checked, e.newColumn});
    ClientToScreen(m_hWnd, &clientPoint);
    TrackBitmapPopupMenu(m_hWnd, clientPoint, items);
}

void CWeldDlg::OnBasic() { ShowMenu(weld::Menu::Basic, kBasicMenuAt); }
void CWeldDlg::OnAux() { ShowMenu(weld::Menu::Aux, kAuxMenuAt); }
void CWeldDlg::OnHead() { ShowMenu(weld::Menu::Head, kHeadMenuAt); }
void CWeldDlg::OnTail() { ShowMenu(weld::Menu::Tail, kTailMenuAt); }
void CWeldDlg::OnMiddle() { ShowMenu(weld::Menu::Middle, kMiddleMenuAt); }

void CWeldDlg::OnSelchangeLineType() {
    const int selected = m_cmbLineType.GetCurSel();
    if (selected == m_data.nLineType) return;
    m_data.nLineType = selected;
    InvalidateRect(&m_rcPreview, TRUE);
}

BOOL CWeldDlg::PreTranslateMessage(MSG* msg) {
    // Menu picks arrive posted to the dialog as commands from no control (lParam 0).
    if (msg->message == WM_COMMAND && msg->hwnd == m_hWnd && msg->lParam == 0 &&
        weld::ApplyCommand(LOWORD(msg->wParam), m_data)) {
        InvalidateRect(&m_rcPreview, TRUE);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CWeldDlg::OnOK() {
    for (const EditField& f : kTextEdits) ReadEditText(f.id, m_data.*f.text);
    CDialog::OnOK();
}
