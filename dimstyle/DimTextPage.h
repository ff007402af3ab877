// The "标注文本" page of the dimension style sheet: text sizes, spacing, decimals and zeros,
// value state and position, item-number sizes and the annotation font.
#pragma once

#include <cstdint>

#include "dimstyle/DimStyleRecord.h"
#include "dimstyle/ItemNoRecord.h"
#include "dimstyle/dim_rules.h"
#include "framework/afxwin.h"

class CDimTextPage : public CDialog {
public:
    CDimTextPage();

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // Reads the controls into the records (called by the sheet on confirmation).
    void SaveSettings();

    uint16_t m_wStyleFlags = 0;
    DimStyleRecord* m_pStyle = nullptr;  // set by the sheet before the window exists
    ItemNoRecord* m_pItemNo = nullptr;
    int32_t m_nFontCode = 0;
    LOGFONTA m_lfFont{};
    int m_nSizeCount;
    float m_fSizes[dimstyle::kSizeCount];

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange*) override {}

private:
    void OnFont();
    // Selects the first preset within a tenth of `size` in a size list; a list left without a
    // selection shows the size as typed text.
    void ShowSize(int id, float size);
};
