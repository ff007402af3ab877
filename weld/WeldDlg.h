// The weld symbol dialog: composes a weld symbol from bitmap menus, a line type and nine texts,
// with a live preview painted on the client area.
#pragma once

#include "framework/afxwin.h"
#include "weld/WeldRecord.h"
#include "weld/weld_rules.h"

class CWeldDlg : public CDialog {
public:
    explicit CWeldDlg(CWnd* parent = nullptr);

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    WeldRecord m_data;  // the dialog's copy of the host's record; the entry point moves it in and out
    weld::Anchor m_anchors[weld::kAnchorCount];
    RECT m_rcPreview;

protected:
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnPaint();
    void OnBasic();
    void OnAux();
    void OnHead();
    void OnTail();
    void OnSelchangeLineType();
    void OnMiddle();

    void ShowMenu(weld::Menu menu, POINT clientPoint);
    void SetEditText(int id, const CString& text);
    void ReadEditText(int id, CString& text) const;

    CComboBox m_cmbLineType;
};

// Paints the preview of `rec` (reference, arrow and identification lines, every symbol bitmap
// placed by its anchor) in dialog client pixels, bitmaps from `resources`. Leaves the DC as
// found; every bitmap is loaded for its placement and released after it.
void PaintWeldPreview(HDC hdc, const WeldRecord& rec, const weld::Anchor* anchors, HINSTANCE resources);
