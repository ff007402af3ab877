// The dialogs the demo host can open. Each area registers its sample records in a file of its
// own (demo/*_case.cpp) with a static demo::Registrar.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace demo {

struct Case {
    int order;                                  // position in the host's list
    std::string name;                           // screenshot file name
    std::string title;                          // button text (UTF-8)
    std::function<std::string()> describe;      // the host's record as text (UTF-8)
    std::function<std::string(HMODULE)> open;   // calls the export; returns the result as text
    std::function<void(HWND)> script;           // --auto: what to do in the dialog before the picture
};

struct Registrar {
    explicit Registrar(std::function<Case()> make);
};

std::vector<Case> AllCases();

// --auto: a further picture, saved beside the case's own as <name>.bmp, of a window (caption
// included) or of a screen rectangle (a dialog with an open drop-down list). Does nothing in
// the interactive host.
void Screenshot(HWND window, const std::string& name);
void Screenshot(const RECT& screenRect, const std::string& name);

}  // namespace demo

// An export typed by its public declaration (entry/exports_*.h), as a host declares it; null
// when the module lacks it.
#define DEMO_EXPORT(module, fn) reinterpret_cast<decltype(&fn)>(reinterpret_cast<void*>(GetProcAddress(module, #fn)))

namespace demo {

// GBK record text to UTF-8 for the log (read no further than the field).
std::string FromGbk(const char* field, size_t width);
std::string ToGbk(const char* utf8);

}  // namespace demo
