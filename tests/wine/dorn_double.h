// The recording test double of Dorn.dll: what it logs and how a test tells it to answer. The
// test program loads the double from its own directory before the module does, so both talk
// to the same copy; the test reaches the double's state through DornDouble_State.
#pragma once

#include <windows.h>

#include <cstdint>

#include "inhouse/Dorn.h"

namespace dorn_double {

// How TQ_TextAttribDlg answers: the result, and on true what it writes into the record and
// the font code it leaves in setting 10 (-1: none).
struct Reply {
    bool yes;
    uint8_t flag;
    int fontCode;
    float spacing;
    LOGFONTA font;
};

struct State {
    char log[512];             // the calls so far: "set 8=35, get 10, dialog"
    TextAttribRecord record;   // the record as the last dialog call received it
    HWND owner;                // and that call's owner
    int settings[32];
    Reply reply;
};

using StateFn = State*(WINAPI*)();

}  // namespace dorn_double
