// Resource ids of the weld symbol dialog (template and control ids are fixed by the host).
#pragma once

#define IDD_WELD 13052

#define IDC_WELD_UP_LEFT 101
#define IDC_WELD_UP_MID 102
#define IDC_WELD_UP_RIGHT 103
#define IDC_WELD_DOWN_RIGHT 104
#define IDC_WELD_DOWN_MID 105
#define IDC_WELD_DOWN_LEFT 106
#define IDC_WELD_LEFT_EDGE 107
#define IDC_WELD_TAIL 108
#define IDC_WELD_BASIC 110
#define IDC_WELD_AUX 111
#define IDC_WELD_HEAD 112
#define IDC_WELD_TAIL_SYMBOLS 113
#define IDC_WELD_LINE_TYPE 114
#define IDC_WELD_UP_FAR 115
#define IDC_WELD_DOWN_FAR 116
#define IDC_WELD_MIDDLE 117
