// Resource ids of the roughness symbol dialog (template and control ids are fixed by the host).
#pragma once

#define IDD_ROUGH 13025

#define IDC_ROUGH_A2 101
#define IDC_ROUGH_E_EDIT 102
#define IDC_ROUGH_B 103
#define IDC_ROUGH_C 104
#define IDC_ROUGH_LAY 105
#define IDC_ROUGH_A1 106
#define IDC_ROUGH_HINT 107
#define IDC_ROUGH_SHAPE_BASIC 108
#define IDC_ROUGH_SHAPE_REMOVAL 109
#define IDC_ROUGH_SHAPE_NO_REMOVAL 110
#define IDC_ROUGH_SHAPE_KNEE 111
#define IDC_ROUGH_E 112
#define IDC_ROUGH_FIXED_POINT 1169
#define IDC_ROUGH_REST 1170
#define IDC_ROUGH_TEXT_SIZE 10145
#define IDC_ROUGH_SYMBOL_SIZE 10146
