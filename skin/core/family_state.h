#pragma once
// The per-family state that attach creates and detach removes. Containers are
// not handled here: their "state" is their attached descendants.

#include "skin/mSkinner.h"

namespace mSkinner::detail {

// Creates the properties (and for a push button the faces, the owner-draw switch
// and the rounded region) in the order the engine always uses. False when the
// window is gone by the end (its own procedure destroyed it while answering);
// then nothing of what was made for it is left.
bool PrepareFamilyState(HWND hWnd, ControlFamily family);
// Removes everything PrepareFamilyState made; a push button gets its faces freed,
// its fade timer stopped, its style and its shape back.
void ReleaseFamilyState(HWND hWnd, ControlFamily family);

}  // namespace mSkinner::detail
