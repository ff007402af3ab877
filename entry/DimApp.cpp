#include "entry/DimApp.h"

CDimApp::CDimApp() : CWinApp(nullptr) {}

const AFX_MSGMAP* CDimApp::GetThisMessageMap() {
    static const AFX_MSGMAP map{CWinApp::GetThisMessageMap(), nullptr, 0};
    return &map;
}

// The one application object, constructed when the module is loaded.
CDimApp theApp;

// Framework start-up and shut-down of the module; the module adds nothing of its own.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return AfxDllMain(instance, reason);
}
