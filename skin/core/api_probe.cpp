// Whether a module exports a function: decides which leave-tracking call the
// hover handlers use.

#include "skin/core/module_state.h"
#include "skin/mSkinner.h"

namespace mSkinner {

SHORT IsApiExported(LPCSTR functionName, LPCSTR moduleName) {
    if (!functionName || !moduleName) return state::kFalse;
    bool loadedHere = false;
    HMODULE module = GetModuleHandleA(moduleName);
    if (!module) {
        module = LoadLibraryA(moduleName);
        if (!module) return state::kFalse;
        loadedHere = true;
    }
    const bool exported = GetProcAddress(module, functionName) != nullptr;
    if (loadedHere) FreeLibrary(module);
    return exported ? state::kTrue : state::kFalse;
}

}  // namespace mSkinner
