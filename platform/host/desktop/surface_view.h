#pragma once
// A widget that shows a top-level window's screen surface, tile by tile.

#include "platform/host/desktop/gtk.h"

#include "platform/gdi/surface.h"

G_BEGIN_DECLS
#define ZELVIO_TYPE_SURFACE_VIEW (zelvio_surface_view_get_type())
G_DECLARE_FINAL_TYPE(ZelvioSurfaceView, zelvio_surface_view, ZELVIO, SURFACE_VIEW, GtkWidget)
G_END_DECLS

namespace desktop {

GtkWidget* surface_view_new();
// Shows surface (a new surface, or a resized one, is shown whole).
void surface_view_set_surface(GtkWidget* view, gdi::SurfacePtr surface);
// Part of the surface changed: re-reads only the tiles under damage and asks GTK
// to draw again.
void surface_view_damage(GtkWidget* view, const RECT& damage);

}  // namespace desktop
