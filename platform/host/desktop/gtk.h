#pragma once
// GTK, included after our own types: GLib defines TRUE and FALSE as macros only
// when they are not defined yet, and our win32 types declare them as constants,
// which the macros would otherwise rewrite.

#include "platform/win32.h"

#include <gtk/gtk.h>
