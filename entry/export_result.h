// The result type of the module's dialog exports, as the host and as the module see it.
//
// The host contract is a one-byte `bool` in AL, and that is what a host that includes these
// headers declares. Hosts that declared `BOOL` read the whole EAX (RAX on x64), but a function
// compiled as returning `bool` sets only AL: in the i686 build the upper bytes kept part of the
// record pointer, so such a host saw "true" after Cancel. The module therefore compiles the
// same declarations with TQDIM_BUILDING_MODULE (set for the TQDim target only), where the
// result is a full register-wide integer: the compiler checks every definition's parameters
// against its public declaration, and the value it returns is 0 or 1 in every bit of the
// register. The calling conventions return both in the same register, and the stdcall
// decoration depends on the arguments only.
//
// A new export follows the pattern: declare it in its area's public header as
//   TQDIM_RESULT WINAPI TQDim_Name(...);
// include that header in the definition, and return a bool expression; nothing else.
// tests/static/check_dll.py reads every export's code before each `ret` to hold this.
#pragma once

#ifdef TQDIM_BUILDING_MODULE
#include <cstdint>
#define TQDIM_RESULT std::intptr_t
#else
#define TQDIM_RESULT bool
#endif
