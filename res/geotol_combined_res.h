// Resource ids of the combined geometric tolerance dialogs: one template for the position and
// the form variant (template and control ids are fixed by the host).
#pragma once

#include "tolerance_shared_res.h"

#define IDD_GEOTOL_COMBINED 2000

#define IDC_XWZH_SYMBOL 1111
#define IDC_XWZH_TEXT 1110
#define IDC_XWZH_DATUM 1105  // datum edits 1105..1109
#define IDC_XWZH_DATUM_LAST 1109
#define IDC_XWZH_GRADE 1112
#define IDC_XWZH_MAIN_PARAM 1113
#define IDC_XWZH_LABEL_GRADE IDC_LABEL_GRADE
#define IDC_XWZH_LABEL_MAIN_PARAM IDC_LABEL_MAIN_PARAM
#define IDC_XWZH_LABEL_VALUE IDC_LABEL_VALUE
#define IDC_XWZH_PRINCIPLE_E IDC_PRINCIPLE_E
#define IDC_XWZH_PRINCIPLE_M IDC_PRINCIPLE_M
#define IDC_XWZH_PRINCIPLE_P IDC_PRINCIPLE_P
#define IDC_XWZH_PRINCIPLE_0M IDC_PRINCIPLE_0M
#define IDC_XWZH_PRINCIPLE_L IDC_PRINCIPLE_L
#define IDC_XWZH_SPECIAL_SYMBOL IDC_SPECIAL_SYMBOL
