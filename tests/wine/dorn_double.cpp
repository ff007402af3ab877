// The recording test double of Dorn.dll (see dorn_double.h).
#include "tests/wine/dorn_double.h"

using namespace dorn_double;

namespace {

State g_state{};

void Log(Kind kind, int index, int value, const TextAttribRecord& record = {}, HWND owner = nullptr) {
    if (g_state.callCount < State::kMaxCalls) g_state.calls[g_state.callCount] = {kind, index, value, record, owner};
    ++g_state.callCount;
}

}  // namespace

extern "C" {

__declspec(dllexport) State* WINAPI DornDouble_State() { return &g_state; }

int WINAPI TQ_GetIntSetting(int index) {
    const int value = index >= 0 && index < 32 ? g_state.settings[index] : 0;
    Log(Kind::GetInt, index, value);
    return value;
}

int WINAPI TQ_SetIntSetting(int index, int value) {
    Log(Kind::SetInt, index, value);
    if (index >= 0 && index < 32) g_state.settings[index] = value;
    return 1;
}

bool WINAPI TQ_TextAttribDlg(TextAttribRecord* record, HWND owner) {
    Log(Kind::TextAttribDlg, 0, 0, *record, owner);
    const Reply& reply = g_state.reply;
    if (!reply.yes) return false;
    record->lfFont = reply.font;
    record->bForeignFace = reply.flag;
    record->fCharSpace = reply.spacing;
    if (reply.fontCode >= 0) g_state.settings[10] = reply.fontCode;
    return true;
}

}  // extern "C"
