// Moving a host's weld record into the dialog's copy and back, by the string contract the
// host relies on (no Windows headers: tested natively with the same string class).
#pragma once

#include "weld/WeldRecord.h"

namespace weld {

// All sixteen values and all ten strings. Strings are assigned: a host string is shared by its
// reference count, or copied when its count is negative (never changing that count).
void CopyIn(const WeldRecord& host, WeldRecord& dialog);

// All sixteen values and all ten strings, back into the host's record:
//  - a field whose text did not change keeps the host's own string object untouched;
//  - a changed field releases what it held and ends up owning heap data with a positive
//    count, even for an empty text: the host is never handed a pointer to storage of the
//    module (its static empty string included), which would dangle once the module unloads.
void CopyBack(const WeldRecord& dialog, WeldRecord& host);

}  // namespace weld
