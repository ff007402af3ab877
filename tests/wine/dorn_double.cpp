// The test double of Dorn.dll: each function calls the one the test program puts in the table
// that DornDouble_Calls gives. The program loads the double from its own directory before the
// module does, so both reach the same copy.
#include "inhouse/Dorn.h"

namespace {

dorn::Library g_test{};

}  // namespace

extern "C" {

__declspec(dllexport) dorn::Library* WINAPI DornDouble_Calls() { return &g_test; }

int WINAPI TQ_GetIntSetting(int index) { return g_test.getInt(index); }
int WINAPI TQ_SetIntSetting(int index, int value) { return g_test.setInt(index, value); }
bool WINAPI TQ_TextAttribDlg(TextAttribRecord* record, HWND owner) { return g_test.textAttribDlg(record, owner); }

}  // extern "C"
