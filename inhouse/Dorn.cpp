#include "inhouse/Dorn.h"

namespace dorn {

// Looked up like an import of the module would be: by plain name, in the host's search order
// (the host executable's directory first). Once found, the library stays loaded for the life
// of the process, as an import would for the life of the module; nothing is released from
// DllMain.
const Library* Load() {
    static Library library{};
    static bool loaded = false;
    if (loaded) return &library;
    HMODULE module = LoadLibraryW(kLibraryName);
    if (!module) return nullptr;
    Library found{
        reinterpret_cast<GetIntFn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(kGetIntOrdinal)))),
        reinterpret_cast<SetIntFn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(kSetIntOrdinal)))),
        reinterpret_cast<TextAttribDlgFn>(reinterpret_cast<void*>(GetProcAddress(module, kTextAttribDlgName))),
    };
    if (!found.getInt || !found.setInt || !found.textAttribDlg) {
        FreeLibrary(module);
        return nullptr;
    }
    library = found;
    loaded = true;
    return &library;
}

}  // namespace dorn
