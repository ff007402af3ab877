// Resource ids of the stand-in's text attribute dialog.
#pragma once

#define IDD_TEXT_ATTRIB 100
#define IDC_ATTRIB_FACE 101
#define IDC_ATTRIB_HEIGHT 102
#define IDC_ATTRIB_BOLD 103
#define IDC_ATTRIB_ITALIC 104
#define IDC_ATTRIB_SPACING 105
