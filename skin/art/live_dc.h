#pragma once

#include "platform/win32.h"

namespace mSkinner {

// Whether hdc names a DC that still exists (a window DC or a memory DC).
inline bool IsLiveDC(HDC hdc) {
    const DWORD type = GetObjectType(HGDIOBJ(hdc.value));
    return type == OBJ_DC || type == OBJ_MEMDC;
}

}  // namespace mSkinner
