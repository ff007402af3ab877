#include "roughness/RoughDlg.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/gbk.h"
#include "res/rough_res.h"
#include "roughness/rough_texts.h"

namespace {

constexpr UINT kLayCommandFirst = 200;
constexpr UINT kLayCommandLast = kLayCommandFirst + rough::kLayCount - 1;

std::string Field(const char (&field)[33]) { return gbk::FromField(field, sizeof field); }

// Texts go into the record with at most 14 bytes and the NUL, cut on a character boundary.
void StoreText(char (&field)[33], HWND control) {
    GetWindowTextToField(control, field, rough::kTextBytes + 1);
}

// Fills combo lists without a redraw per item: each added item otherwise makes the list
// update its scroll bar, and under Wine that took about half of the dialog's own opening work
// (70 items). The lists belong to hidden popups at this point, so nothing needs repainting
// after; the combo box forwards the message to its edit and list, which keep their visibility.
class BatchFill {
public:
    explicit BatchFill(std::initializer_list<HWND> combos) : m_combos(combos) {
        for (HWND c : m_combos) ::SendMessageW(c, WM_SETREDRAW, FALSE, 0);
    }
    ~BatchFill() {
        for (HWND c : m_combos) ::SendMessageW(c, WM_SETREDRAW, TRUE, 0);
    }
    BatchFill(const BatchFill&) = delete;
    BatchFill& operator=(const BatchFill&) = delete;

private:
    std::vector<HWND> m_combos;
};

}  // namespace

CRoughDlg::CRoughDlg(CWnd* parent) : CDialog(IDD_ROUGH, parent) {
    for (int i = 0; i < rough::kLayCount; ++i) m_strLay[i] = rough::kLayNames[i];
    m_nLay = 0;
}

CRoughDlg::~CRoughDlg() = default;

const AFX_MSGMAP* CRoughDlg::GetThisMessageMap() {
    using namespace msgmap;
    using D = CRoughDlg;
    static const AFX_MSGMAP_ENTRY entries[] = {
        Message<D>(WM_PAINT, &D::OnPaint),
        Command<D>(CBN_SETFOCUS, IDC_ROUGH_A1, &D::OnSetfocusA1),
        Command<D>(CBN_SETFOCUS, IDC_ROUGH_A2, &D::OnSetfocusA2),
        Command<D>(EN_SETFOCUS, IDC_ROUGH_B, &D::OnSetfocusB),
        Command<D>(EN_SETFOCUS, IDC_ROUGH_C, &D::OnSetfocusC),
        Command<D>(EN_SETFOCUS, IDC_ROUGH_E_EDIT, &D::OnSetfocusE),
        Command<D>(BN_CLICKED, IDC_ROUGH_SHAPE_BASIC, &D::OnShapeBasic),
        Command<D>(BN_CLICKED, IDC_ROUGH_SHAPE_REMOVAL, &D::OnShapeRemoval),
        Command<D>(BN_CLICKED, IDC_ROUGH_SHAPE_NO_REMOVAL, &D::OnShapeNoRemoval),
        Command<D>(BN_CLICKED, IDC_ROUGH_SHAPE_KNEE, &D::OnShapeKnee),
        Command<D>(BN_CLICKED, IDC_ROUGH_LAY, &D::OnLay),
        DrawItem<D>(&D::OnDrawItem),
        Command<D>(BN_CLICKED, IDC_ROUGH_FIXED_POINT, &D::OnFixedPoint),
        Command<D>(BN_CLICKED, IDC_ROUGH_REST, &D::OnRest),
        Command<D>(CBN_SETFOCUS, IDC_ROUGH_E, &D::OnSetfocusE),
        Command<D>(CBN_SELCHANGE, IDC_ROUGH_E, &D::OnSelchangeE),
        Command<D>(CBN_SELCHANGE, IDC_ROUGH_TEXT_SIZE, &D::OnSelchangeTextSize),
        Command<D>(CBN_SELCHANGE, IDC_ROUGH_SYMBOL_SIZE, &D::OnSelchangeSymbolSize),
    };
    static const AFX_MSGMAP map{CDialog::GetThisMessageMap(), entries, std::size(entries)};
    return &map;
}

void CRoughDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ROUGH_TEXT_SIZE, m_cmbTextSize);
    DDX_Control(pDX, IDC_ROUGH_SYMBOL_SIZE, m_cmbSymbolSize);
    DDX_Control(pDX, IDC_ROUGH_E, m_cmbE);
    DDX_Control(pDX, IDC_ROUGH_LAY, m_btnLay);
    DDX_Control(pDX, IDC_ROUGH_REST, m_chkRest);
    DDX_Control(pDX, IDC_ROUGH_FIXED_POINT, m_chkFixedPoint);
    DDX_Control(pDX, IDC_ROUGH_HINT, m_stHint);
    DDX_Control(pDX, IDC_ROUGH_A2, m_cmbA2);
    DDX_Control(pDX, IDC_ROUGH_A1, m_cmbA1);
}

BOOL CRoughDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    RoughRecord& rec = *m_pRecord;

    {
        BatchFill fill{m_cmbTextSize, m_cmbSymbolSize, m_cmbA1, m_cmbA2, m_cmbE};
        // Size lists; a stored size selects its entry only on an exact 32-bit match.
        for (std::size_t i = 0; i < rough::kSizeCount; ++i) {
            const std::string text = rough::ListSizeText(rough::kSizes[i]);
            const int textIndex = m_cmbTextSize.AddString(text.c_str());
            const int symbolIndex = m_cmbSymbolSize.AddString(text.c_str());
            if (rough::kSizes[i] == rec.textSize) m_cmbTextSize.SetCurSel(textIndex);
            if (rough::kSizes[i] == rec.symbolSize) m_cmbSymbolSize.SetCurSel(symbolIndex);
        }
        for (const char* value : rough::kRoughnessValues) {
            m_cmbA1.AddString(value);
            m_cmbA2.AddString(value);
        }
        m_cmbE.AddString(rough::text::kWordRest);
        m_cmbE.AddString(rough::text::kWordAll);
    }
    if (m_cmbTextSize.GetCurSel() < 0)
        m_cmbTextSize.SetWindowText(rough::SizeText(rec.textSize).c_str());
    if (m_cmbSymbolSize.GetCurSel() < 0)
        m_cmbSymbolSize.SetWindowText(rough::SizeText(rec.symbolSize).c_str());

    m_rcBottom = RECT{65, 90, 135, 150};
    m_rcKnee = RECT{125, 10, 185, 60};

    m_hLayMenu.reset(CreatePopupMenu());
    for (int i = 0; i < rough::kLayCount; ++i)
        AppendMenuW(m_hLayMenu.get(), MF_STRING, kLayCommandFirst + i, WideFromGbk(m_strLay[i]).c_str());

    static const wchar_t* const kBitmapNames[5] = {L"s1", L"s2", L"s3", L"s4", L"s5"};
    for (int i = 0; i < 5; ++i) m_hShapeBmp[i].reset(LoadBitmapW(AfxGetResourceHandle(), kBitmapNames[i]));

    if (rough::IsNewShape(rec.shape)) {
        Hint(rough::text::kHintA1);
        m_cmbA2.SetCurSel(5);  // "6.3"
        m_cmbE.SetWindowText("");
        if (rec.shape == 5) rec.shape = 1;
    } else {
        m_cmbA1.SetWindowText(Field(rec.a1).c_str());
        m_cmbA2.SetWindowText(Field(rec.a2).c_str());
        SetDlgItemTextW(m_hWnd, IDC_ROUGH_B, WideFromGbk(Field(rec.b).c_str()).c_str());
        SetDlgItemTextW(m_hWnd, IDC_ROUGH_C, WideFromGbk(Field(rec.c).c_str()).c_str());
        SetDlgItemTextW(m_hWnd, IDC_ROUGH_E_EDIT, WideFromGbk(Field(rec.e).c_str()).c_str());
        m_cmbE.SetWindowText(Field(rec.e).c_str());
        // A stored d shows in the hint line and on the lay button, and OK leaves the field
        // as it is unless the user picks a lay symbol: hosts store texts there that are not
        // in the lay menu, and those must survive an edit of the other texts.
        const std::string d = Field(rec.d);
        Hint(d.c_str());
        m_nLay = static_cast<signed char>(rough::LayIndexOf(d));
        m_btnLay.SetWindowText(d.c_str());
        m_bKeepStoredLay = true;
    }

    m_strSavedA2 = m_cmbA2.GetWindowText();

    rec.fixedPoint = 0;
    m_chkFixedPoint.SetCheck(BST_UNCHECKED);
    if (rec.hideFixedPoint != 0) m_chkFixedPoint.ShowWindow(SW_HIDE);
    m_chkRest.SetCheck(rec.rest ? BST_CHECKED : BST_UNCHECKED);
    return FALSE;
}

void CRoughDlg::Hint(const char* text) { m_stHint.SetWindowText(text); }

void CRoughDlg::OnSetfocusA1() { Hint(rough::text::kHintA1); }
void CRoughDlg::OnSetfocusA2() { Hint(rough::text::kHintA2); }
void CRoughDlg::OnSetfocusB() { Hint(rough::text::kHintB); }
void CRoughDlg::OnSetfocusC() { Hint(rough::text::kHintC); }
void CRoughDlg::OnSetfocusE() { Hint(rough::text::kHintE); }

void CRoughDlg::OnShapeButton(int button, const char* hint) {
    std::string a2 = m_cmbA2.GetWindowText().c_str();
    std::string saved = m_strSavedA2.c_str();
    const std::string before = a2;
    rough::AdjustA2(button, a2, saved);
    if (a2 != before) m_cmbA2.SetWindowText(a2.c_str());
    m_strSavedA2 = saved.c_str();
    m_pRecord->shape = rough::NextShape(m_pRecord->shape, button);
    SetShapeHint(hint);
}

void CRoughDlg::OnShapeBasic() { OnShapeButton(rough::kBtnBasic, rough::text::kShapeBasic); }
void CRoughDlg::OnShapeRemoval() { OnShapeButton(rough::kBtnRemoval, rough::text::kShapeRemoval); }
void CRoughDlg::OnShapeNoRemoval() { OnShapeButton(rough::kBtnNoRemoval, rough::text::kShapeNoRemoval); }
void CRoughDlg::OnShapeKnee() { OnShapeButton(rough::kBtnKnee, rough::text::kShapeKnee); }

void CRoughDlg::SetShapeHint(const char* text) {
    InvalidateRect(&m_rcBottom, TRUE);
    InvalidateRect(&m_rcKnee, TRUE);
    // The knee button shows S4 or S5 by the new code.
    ::InvalidateRect(GetDlgItem(IDC_ROUGH_SHAPE_KNEE), nullptr, FALSE);
    Hint(text);
}

void CRoughDlg::OnLay() {
    Hint(rough::text::kHintD);
    POINT pt{};
    GetCursorPos(&pt);
    // The pick comes back as a posted command, seen by PreTranslateMessage.
    TrackPopupMenu(m_hLayMenu.get(), TPM_LEFTALIGN, pt.x, pt.y, 0, m_hWnd, nullptr);
}

BOOL CRoughDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_COMMAND) {
        const UINT id = LOWORD(msg->wParam);
        if (id >= kLayCommandFirst && id <= kLayCommandLast) {
            m_nLay = static_cast<signed char>(id - kLayCommandFirst);
            m_bKeepStoredLay = false;
            m_btnLay.SetWindowText(m_nLay == 0 ? "" : m_strLay[m_nLay].c_str());
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void PaintRoughPreview(HDC hdc, signed char shape) {
    const rough::PreviewParts parts = rough::PreviewFor(shape);
    gdi::Pen pen(CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    gdi::Select selectPen(hdc, pen.get());
    if (parts.bar) {
        MoveToEx(hdc, 132, 95, nullptr);
        LineTo(hdc, 68, 95);
    } else if (parts.innerCircle) {
        Ellipse(hdc, 82, 95, 118, 131);
    }
    if (parts.kneeCircle) Ellipse(hdc, 146, 22, 182, 58);
    const POINT symbol[] = {{68, 95}, {100, 150}, {164, 40}, {230, 40}};
    Polyline(hdc, symbol, 4);
}

void CRoughDlg::OnPaint() {
    gdi::PaintDC dc(m_hWnd);
    PaintRoughPreview(dc.get(), m_pRecord->shape);
}

void CRoughDlg::OnDrawItem(int id, DRAWITEMSTRUCT* dis) {
    HBITMAP bitmap = nullptr;
    if (id >= IDC_ROUGH_SHAPE_BASIC && id <= IDC_ROUGH_SHAPE_NO_REMOVAL)
        bitmap = m_hShapeBmp[id - IDC_ROUGH_SHAPE_BASIC].get();
    else if (id == IDC_ROUGH_SHAPE_KNEE)
        bitmap = m_hShapeBmp[m_pRecord->shape >= 10 ? 3 : 4].get();
    if (!bitmap) return;
    gdi::MemoryDC mem(dis->hDC);
    gdi::Select select(mem.get(), bitmap);
    BitBlt(dis->hDC, dis->rcItem.left, dis->rcItem.top, dis->rcItem.right - dis->rcItem.left,
           dis->rcItem.bottom - dis->rcItem.top, mem.get(), 0, 0, SRCCOPY);
}

void CRoughDlg::OnFixedPoint() { m_pRecord->fixedPoint = m_pRecord->fixedPoint == 0 ? 1 : 0; }

void CRoughDlg::OnRest() { m_pRecord->rest = m_pRecord->rest == 0 ? 1 : 0; }

void CRoughDlg::OnSelchangeE() {
    if (m_cmbE.GetCurSel() >= 0) {
        m_chkFixedPoint.SetCheck(BST_CHECKED);
        m_pRecord->fixedPoint = 1;
    }
}

void CRoughDlg::ReleaseResources() {
    m_hLayMenu.reset();
    for (auto& bitmap : m_hShapeBmp) bitmap.reset();
}

void CRoughDlg::OnOK() {
    RoughRecord& rec = *m_pRecord;
    if (rec.shape == 5) rec.shape = 1;
    StoreText(rec.a1, m_cmbA1);
    StoreText(rec.a2, m_cmbA2);
    StoreText(rec.b, GetDlgItem(IDC_ROUGH_B));
    StoreText(rec.c, GetDlgItem(IDC_ROUGH_C));
    if (!m_bKeepStoredLay) gbk::ToField(rec.d, rough::kTextBytes + 1, rough::LayText(m_nLay));
    m_hLayMenu.reset();
    StoreText(rec.e, m_cmbE);
    for (auto& bitmap : m_hShapeBmp) bitmap.reset();
    rec.textSize = rough::ParseSize(m_cmbTextSize.GetWindowText().c_str());
    rec.symbolSize = rough::ParseSize(m_cmbSymbolSize.GetWindowText().c_str());
    CDialog::OnOK();
}

void CRoughDlg::OnCancel() {
    ReleaseResources();
    CDialog::OnCancel();
}
