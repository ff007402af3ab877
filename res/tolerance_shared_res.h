// Control ids that every geometric tolerance template shares: the widgets that serve them all
// (the principle toggle group, the special-symbol menu, the common dialog base) use these, and
// each template's own header names them for its dialog.
#pragma once

#define IDC_PRINCIPLE_E 1005
#define IDC_PRINCIPLE_M 1006
#define IDC_PRINCIPLE_P 1007
#define IDC_PRINCIPLE_0M 1114
#define IDC_PRINCIPLE_L 1115
#define IDC_LABEL_MAIN_PARAM 1008
#define IDC_LABEL_GRADE 1009
#define IDC_LABEL_VALUE 1010
#define IDC_HORIZONTAL 1169
#define IDC_SPECIAL_SYMBOL 227
