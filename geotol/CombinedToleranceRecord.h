// The host's record of the combined geometric tolerance dialogs (TQDim_XWZH_WZDlg and
// TQDim_XWZH_XZDlg). Byte offsets are the contract with the host; the record holds no
// pointers, so the 32- and 64-bit builds share the layout. Texts are GBK and NUL-terminated
// within their fields.
//
//   field              position variant                    form variant
//   nCharacteristic    in: 6..13                            in: 0..5          (never written)
//   nGrade             out on OK: grade list position, 0 when no grade was picked
//   szTolerance        out on OK: at most 63 bytes          the same
//   szFormText         not used                             in, written back unchanged on OK
//   szPrinciple        out on OK: "E", "M", "P", "N" (0M), "L" or empty; ignored at the call
//   szPositionText     in, written back unchanged on OK     not used
//   szDatum            out on OK: at most 19 bytes each     not used
//
// Nothing is written on Cancel.
#pragma once

#include <cstddef>
#include <cstdint>

struct CombinedToleranceRecord {
    std::int32_t nCharacteristic;  // 0   CharacteristicNumber
    std::int32_t nGrade;           // 4
    char szTolerance[128];         // 8
    char szFormText[128];          // 136
    char szPrinciple[20];          // 264
    char szPositionText[128];      // 284
    char szDatum[5][40];           // 412
};

static_assert(sizeof(CombinedToleranceRecord) == 612, "CombinedToleranceRecord is 612 bytes");
static_assert(offsetof(CombinedToleranceRecord, nGrade) == 4 &&
                  offsetof(CombinedToleranceRecord, szTolerance) == 8 &&
                  offsetof(CombinedToleranceRecord, szFormText) == 136 &&
                  offsetof(CombinedToleranceRecord, szPrinciple) == 264 &&
                  offsetof(CombinedToleranceRecord, szPositionText) == 284 &&
                  offsetof(CombinedToleranceRecord, szDatum) == 412,
              "CombinedToleranceRecord offsets");
