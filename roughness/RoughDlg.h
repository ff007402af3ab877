// The roughness symbol dialog: composes a surface-roughness symbol in the host's record.
#pragma once

#include <cstdint>

#include "framework/afxwin.h"
#include "framework/gdi.h"
#include "roughness/rough_rules.h"

// The host's roughness record. Byte offsets are the contract with the host; texts are GBK and
// NUL-terminated within their fields, and the dialog writes at most 14 bytes plus the NUL.
#pragma pack(push, 1)
struct RoughRecord {
    char a1[33];               // 0   roughness height value a1
    char a2[33];               // 33  roughness height value a2
    char b[33];                // 66  machining method, coating or other
    char c[33];                // 99  sampling length
    char d[33];                // 132 lay symbol text, or empty
    char e[33];                // 165 machining allowance, or 其余 / 所有
    signed char shape;         // 198 shape code (units digit symbol, +10 knee circle; 5 = new)
    char unused;               // 199
    std::int32_t rest;         // 200 check box 其余 (hidden), inverted on each click
    std::int32_t fixedPoint;   // 204 check box 固定点, 0 at opening
    std::int32_t hideFixedPoint;  // 208 nonzero hides 固定点
    float textSize;            // 212
    float symbolSize;          // 216
};
#pragma pack(pop)
static_assert(sizeof(RoughRecord) == 220, "RoughRecord is 220 bytes");
static_assert(offsetof(RoughRecord, shape) == 198 && offsetof(RoughRecord, rest) == 200 &&
                  offsetof(RoughRecord, textSize) == 212 && offsetof(RoughRecord, symbolSize) == 216,
              "RoughRecord offsets");

class CRoughDlg : public CDialog {
public:
    explicit CRoughDlg(CWnd* parent = nullptr);
    ~CRoughDlg() override;

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    RoughRecord* m_pRecord = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnPaint();
    void OnSetfocusA1();
    void OnSetfocusA2();
    void OnSetfocusB();
    void OnSetfocusC();
    void OnSetfocusE();
    void OnShapeBasic();
    void OnShapeRemoval();
    void OnShapeNoRemoval();
    void OnShapeKnee();
    void OnLay();
    void OnDrawItem(int id, DRAWITEMSTRUCT* dis);
    void OnFixedPoint();
    void OnRest();
    void OnSelchangeE();
    void OnSelchangeTextSize() {}
    void OnSelchangeSymbolSize() {}

    void OnShapeButton(int button, const char* hint);
    void SetShapeHint(const char* text);
    void Hint(const char* text);
    void ReleaseResources();

    CComboBox m_cmbTextSize;
    CComboBox m_cmbSymbolSize;
    CComboBox m_cmbE;
    CButton m_btnLay;
    CButton m_chkRest;
    CButton m_chkFixedPoint;
    CStatic m_stHint;
    CComboBox m_cmbA2;
    CString m_strSavedA2;
    CComboBox m_cmbA1;
    signed char m_nLay = 0;
    RECT m_rcBottom{};
    RECT m_rcKnee{};
    CString m_strLay[rough::kLayCount];
    gdi::Menu m_hLayMenu;
    gdi::Bitmap m_hShapeBmp[5];
};

// Paints the symbol preview for a shape code in dialog client pixels. Leaves the DC as found.
void PaintRoughPreview(HDC hdc, signed char shape);
