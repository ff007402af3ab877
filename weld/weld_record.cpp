#include "weld/weld_record.h"

#include <cstring>

namespace weld {
namespace {

CString WeldRecord::*const kStrings[] = {
    &WeldRecord::strUpLeft,    &WeldRecord::strUpMid,   &WeldRecord::strUpRight, &WeldRecord::strDownLeft,
    &WeldRecord::strDownMid,   &WeldRecord::strDownRight, &WeldRecord::strUpFar, &WeldRecord::strDownFar,
    &WeldRecord::strReserved,  &WeldRecord::strTail,
};

void AssignBack(CString& host, const CString& text) {
    if (std::strcmp(host, text) == 0) return;
    if (text.IsEmpty()) {
        // Empty in place: the host's own buffer, or a fresh one when it was shared or locked.
        // (host is not empty here, so GetBuffer never hands back the static empty string.)
        host.GetBuffer(0);
        host.ReleaseBuffer(0);
        return;
    }
    host = text;
}

void CopyValues(const WeldRecord& from, WeldRecord& to) {
    to.nBasic1 = from.nBasic1;
    to.nBasic2 = from.nBasic2;
    to.nAux1 = from.nAux1;
    to.nAux2 = from.nAux2;
    to.nMiddle = from.nMiddle;
    to.nLineType = from.nLineType;
    for (int i = 0; i < 5; ++i) {
        to.bHead[i] = from.bHead[i];
        to.bTail[i] = from.bTail[i];
    }
}

}  // namespace

void CopyIn(const WeldRecord& host, WeldRecord& dialog) {
    CopyValues(host, dialog);
    for (CString WeldRecord::*s : kStrings) dialog.*s = host.*s;
}

void CopyBack(const WeldRecord& dialog, WeldRecord& host) {
    CopyValues(dialog, host);
    for (CString WeldRecord::*s : kStrings) AssignBack(host.*s, dialog.*s);
}

}  // namespace weld
