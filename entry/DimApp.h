// The module's application object: the framework's defaults, nothing of its own.
#pragma once

#include "framework/afxwin.h"

class CDimApp : public CWinApp {
public:
    CDimApp();
    const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }
    static const AFX_MSGMAP* GetThisMessageMap();
};
