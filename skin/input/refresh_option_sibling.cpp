// Runs for every descendant of a clicked window's parent after a left-button
// release. Check boxes and option buttons will repaint here with their current
// check state; until they are skinned there is nothing to repaint.

#include "skin/mSkinner.h"

namespace mSkinner {

BOOL RefreshOptionSibling(HWND, LPARAM) { return 1; }

}  // namespace mSkinner
