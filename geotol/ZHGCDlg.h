// The characteristic combination dialog: how many entries of each of the fourteen
// characteristics a combination holds (at most 5 of one, 10 in all).
#pragma once

#include <array>

#include "framework/afxwin.h"
#include "framework/gdi.h"
#include "geotol/gt_combination.h"
#include "geotol/gt_tables.h"

class CZHGCDlg : public CDialog {
public:
    explicit CZHGCDlg(CWnd* parent = nullptr);

    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();

    // Catalogue order. The dialog starts from zero: the host's array is never read.
    const std::array<int, geotol::kCharacteristicCount>& Counts() const { return m_counts.Counts(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void OnPlus();
    void OnMinus();
    void OnCharacteristic(UINT id);

    int CheckedCharacteristic() const;
    void ShowCount(int characteristic);
    void ShowButtons();
    void ReleaseBitmaps();

    geotol::CombinationCounts m_counts;
    gdi::Bitmap m_hBitmaps[geotol::kCharacteristicCount];
};
