// Resource ids of the combined geometric tolerance dialogs: one template for the position and
// the form variant (template and control ids are fixed by the host).
#pragma once

#define IDD_GEOTOL_COMBINED 2000

#define IDC_XWZH_SYMBOL 1111
#define IDC_XWZH_TEXT 1110
#define IDC_XWZH_DATUM 1105  // datum edits 1105..1109
#define IDC_XWZH_DATUM_LAST 1109
#define IDC_XWZH_GRADE 1112
#define IDC_XWZH_MAIN_PARAM 1113
#define IDC_XWZH_LABEL_GRADE 1009
#define IDC_XWZH_LABEL_MAIN_PARAM 1008
#define IDC_XWZH_LABEL_VALUE 1010
#define IDC_XWZH_PRINCIPLE_E 1005
#define IDC_XWZH_PRINCIPLE_M 1006
#define IDC_XWZH_PRINCIPLE_P 1007
#define IDC_XWZH_PRINCIPLE_0M 1114
#define IDC_XWZH_PRINCIPLE_L 1115
#define IDC_XWZH_SPECIAL_SYMBOL 227
