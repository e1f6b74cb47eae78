#pragma once
// The one header the skin engine and the app include: the types, constants,
// records and functions of our window manager, drawing services and standard
// controls. Names and numeric values are the documented ones of the Windows
// services the engine was written for; every declaration is our own.
//
// Strings of the "A" functions are UTF-8 and lengths are byte counts.
// Everything runs on one thread.

#include "platform/win32/types.h"
#include "platform/win32/gdi.h"
#include "platform/win32/user.h"
#include "platform/win32/controls.h"
