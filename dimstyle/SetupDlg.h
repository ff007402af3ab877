// The dimension style sheet "尺寸标注属性": a tab control with the text page and the line page.
// Both accepting buttons save both pages into the host's records; the result code tells the
// host which one closed the sheet.
#pragma once

#include "dimstyle/DimLinePage.h"
#include "dimstyle/DimStyleRecord.h"
#include "dimstyle/DimTextPage.h"
#include "dimstyle/ItemNoRecord.h"
#include "framework/afxwin.h"
#include "inhouse/TabSheet.h"

class CSetupDlg : public CDialog {
public:
    // Result codes.
    enum : int { kCancelled = 0, kConfirmed = 1, kApplyToDrawing = 2 };

    explicit CSetupDlg(CWnd* parent = nullptr);

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    CDimTextPage m_textPage;
    CDimLinePage m_linePage;
    DimStyleRecord* m_pStyle = nullptr;
    ItemNoRecord* m_pItemNo = nullptr;
    int m_nResult = kCancelled;
    CTabSheet m_tabSheet;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnApplyToDrawing();
    void SaveAndClose(int result);
};
