// Resource ids of the dimension and tolerance dialog (template and control ids are fixed by the
// host). No Windows headers: the window-free rules use the control ids as well.
#pragma once

#include "tolerance_shared_res.h"

#define IDD_TOLLER 13065

#define IDC_TOLLER_LABEL_VALUE 202
#define IDC_TOLLER_LABEL_ZONE 203
#define IDC_TOLLER_LABEL_UPPER 204
#define IDC_TOLLER_LABEL_LOWER 205
#define IDC_TOLLER_LABEL_HOLE 206
#define IDC_TOLLER_LABEL_SHAFT 207

#define IDC_TOLLER_PREFIX 211
#define IDC_TOLLER_VALUE 212
#define IDC_TOLLER_ZONE 213
#define IDC_TOLLER_UPPER 214
#define IDC_TOLLER_LOWER 215
#define IDC_TOLLER_HOLE 216
#define IDC_TOLLER_SHAFT 217
#define IDC_TOLLER_SUFFIX 218

#define IDC_TOLLER_INPUT_ZONE 220
#define IDC_TOLLER_INPUT_DEVIATION 221
#define IDC_TOLLER_INPUT_FIT 222

#define IDC_TOLLER_SHOW_ZONE 224
#define IDC_TOLLER_SHOW_DEVIATION 225
#define IDC_TOLLER_SHOW_BOTH 226

#define IDC_TOLLER_SPECIAL_SYMBOL IDC_SPECIAL_SYMBOL  // "特殊符号" opens the picker here
#define IDC_TOLLER_KEEP_PREFIX 1169
#define IDC_TOLLER_KEEP_STYLE 2001
#define IDC_TOLLER_THEORY 2002
#define IDC_TOLLER_ZONE_SHEET 10066
#define IDC_TOLLER_FIT_SHEET 10067
