// Resource ids of the characteristic combination dialog (template and control ids are fixed by
// the host). Characteristic i (0..13, catalogue order) has radio button IDC_ZHGC_TYPE + i,
// symbol static IDC_ZHGC_SYMBOL + i and count static IDC_ZHGC_COUNT + i.
#pragma once

#define IDD_GEOTOL_COMBINATION 13071

#define IDC_ZHGC_TYPE 101
#define IDC_ZHGC_TYPE_LAST 114
#define IDC_ZHGC_SYMBOL 1191
#define IDC_ZHGC_COUNT 301
#define IDC_ZHGC_PLUS 1220
#define IDC_ZHGC_MINUS 1221
