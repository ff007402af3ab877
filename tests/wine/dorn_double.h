// The recording test double of Dorn.dll: what it logs and how a test tells it to answer. The
// test program loads the double from its own directory before the module does, so both talk
// to the same copy; the test reaches the double's log through DornDouble_State.
#pragma once

#include <windows.h>

#include <cstdint>

#include "inhouse/Dorn.h"

namespace dorn_double {

enum class Kind : int { GetInt, SetInt, TextAttribDlg };

struct Call {
    Kind kind;
    int index;                 // GetInt, SetInt
    int value;                 // SetInt: the value written; GetInt: the value answered
    TextAttribRecord record;   // TextAttribDlg: the record as it arrived
    HWND owner;                // TextAttribDlg
};

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
    static constexpr int kMaxCalls = 32;
    Call calls[kMaxCalls];
    int callCount;
    int settings[32];
    Reply reply;
};

using StateFn = State*(WINAPI*)();

}  // namespace dorn_double
