// The recording test double of Dorn.dll (see dorn_double.h).
#include "tests/wine/dorn_double.h"

#include <cstdio>
#include <cstring>

using namespace dorn_double;

namespace {

State g_state{};

template <class... Args>
void Log(const char* format, Args... args) {
    char call[32];
    std::snprintf(call, sizeof call, format, args...);
    const std::size_t n = std::strlen(g_state.log);
    std::snprintf(g_state.log + n, sizeof g_state.log - n, "%s%s", n ? ", " : "", call);
}

}  // namespace

extern "C" {

__declspec(dllexport) State* WINAPI DornDouble_State() { return &g_state; }

int WINAPI TQ_GetIntSetting(int index) {
    Log("get %d", index);
    return index >= 0 && index < 32 ? g_state.settings[index] : 0;
}

int WINAPI TQ_SetIntSetting(int index, int value) {
    Log("set %d=%d", index, value);
    if (index >= 0 && index < 32) g_state.settings[index] = value;
    return 1;
}

bool WINAPI TQ_TextAttribDlg(TextAttribRecord* record, HWND owner) {
    Log("%s", "dialog");
    g_state.record = *record;
    g_state.owner = owner;
    const Reply& reply = g_state.reply;
    if (!reply.yes) return false;
    record->lfFont = reply.font;
    record->bForeignFace = reply.flag;
    record->fCharSpace = reply.spacing;
    if (reply.fontCode >= 0) g_state.settings[10] = reply.fontCode;
    return true;
}

}  // extern "C"
