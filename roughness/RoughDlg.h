// The roughness symbol dialog: composes a surface-roughness symbol in the host's record.
#pragma once

#include "framework/afxwin.h"
#include "framework/gdi.h"
#include "roughness/RoughRecord.h"
#include "roughness/rough_rules.h"

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
    bool m_bKeepStoredLay = false;  // the record's d is kept on OK until a lay symbol is picked
    RECT m_rcBottom{};
    RECT m_rcKnee{};
    CString m_strLay[rough::kLayCount];
    gdi::Menu m_hLayMenu;
    gdi::Bitmap m_hShapeBmp[5];
};

// Paints the symbol preview for a shape code in dialog client pixels. Leaves the DC as found.
void PaintRoughPreview(HDC hdc, signed char shape);
