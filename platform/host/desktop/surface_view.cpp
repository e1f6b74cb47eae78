#include "platform/host/desktop/surface_view.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/host/desktop/tile_grid.h"

namespace {

// What the widget keeps; GObject allocates the instance, so the C++ part lives
// behind a pointer made in init and deleted in finalize.
struct ViewState {
    gdi::SurfacePtr surface;
    desktop::TileGrid grid;
    std::vector<GdkTexture*> textures;  // one per tile; null until built

    void drop_textures() {
        for (GdkTexture*& t : textures) g_clear_object(&t);
    }
    ~ViewState() { drop_textures(); }
};

// One tile's pixels as a texture. Our surfaces keep the fourth byte 0; GTK wants
// it as alpha, so it is set opaque while copying.
GdkTexture* make_tile_texture(const gdi::Surface& s, const RECT& r) {
    int w = r.right - r.left, h = r.bottom - r.top;
    auto stride = static_cast<std::size_t>(w) * 4;
    auto* bytes = static_cast<std::uint32_t*>(g_malloc(stride * h));
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* src = s.row(r.top + y) + r.left;
        std::uint32_t* dst = bytes + static_cast<std::size_t>(y) * w;
        for (int x = 0; x < w; ++x) dst[x] = src[x] | 0xFF000000u;
    }
    GBytes* data = g_bytes_new_take(bytes, stride * h);
    GdkTexture* texture = gdk_memory_texture_new(w, h, GDK_MEMORY_B8G8R8A8_PREMULTIPLIED, data, stride);
    g_bytes_unref(data);
    return texture;
}

}  // namespace

struct _ZelvioSurfaceView {
    GtkWidget parent_instance;
    ViewState* state;
};

G_DEFINE_TYPE(ZelvioSurfaceView, zelvio_surface_view, GTK_TYPE_WIDGET)

static void zelvio_surface_view_snapshot(GtkWidget* widget, GtkSnapshot* snapshot) {
    ViewState* st = ZELVIO_SURFACE_VIEW(widget)->state;
    if (!st->surface) return;
    const gdi::Surface& s = *st->surface;
    for (int i = 0; i < st->grid.count(); ++i) {
        RECT r = st->grid.tile_rect(i);
        if (st->grid.stale(i) || !st->textures[i]) {
            g_clear_object(&st->textures[i]);
            st->textures[i] = make_tile_texture(s, r);
            st->grid.clear(i);
        }
        // An unchanged tile appends the same texture again, which GTK recognises
        // and does not repaint.
        graphene_rect_t bounds = GRAPHENE_RECT_INIT(static_cast<float>(r.left), static_cast<float>(r.top),
                                                    static_cast<float>(r.right - r.left),
                                                    static_cast<float>(r.bottom - r.top));
        gtk_snapshot_append_texture(snapshot, st->textures[i], &bounds);
    }
}

static void zelvio_surface_view_measure(GtkWidget* widget, GtkOrientation orientation, int, int* minimum,
                                        int* natural, int* minimum_baseline, int* natural_baseline) {
    ViewState* st = ZELVIO_SURFACE_VIEW(widget)->state;
    int size = 0;
    if (st->surface) size = orientation == GTK_ORIENTATION_HORIZONTAL ? st->surface->width : st->surface->height;
    *minimum = *natural = size;
    *minimum_baseline = *natural_baseline = -1;
}

static void zelvio_surface_view_finalize(GObject* object) {
    delete ZELVIO_SURFACE_VIEW(object)->state;
    G_OBJECT_CLASS(zelvio_surface_view_parent_class)->finalize(object);
}

static void zelvio_surface_view_class_init(ZelvioSurfaceViewClass* klass) {
    GTK_WIDGET_CLASS(klass)->snapshot = zelvio_surface_view_snapshot;
    GTK_WIDGET_CLASS(klass)->measure = zelvio_surface_view_measure;
    G_OBJECT_CLASS(klass)->finalize = zelvio_surface_view_finalize;
}

static void zelvio_surface_view_init(ZelvioSurfaceView* self) {
    self->state = new ViewState();
    gtk_widget_set_focusable(GTK_WIDGET(self), TRUE);
    gtk_widget_set_can_focus(GTK_WIDGET(self), TRUE);
}

namespace desktop {

GtkWidget* surface_view_new() { return GTK_WIDGET(g_object_new(ZELVIO_TYPE_SURFACE_VIEW, nullptr)); }

void surface_view_set_surface(GtkWidget* view, gdi::SurfacePtr surface) {
    ViewState* st = ZELVIO_SURFACE_VIEW(view)->state;
    bool same_size = st->surface && surface && st->surface->width == surface->width &&
                     st->surface->height == surface->height;
    if (st->surface == surface) return;
    st->surface = std::move(surface);
    st->drop_textures();
    st->grid.reset(st->surface ? st->surface->width : 0, st->surface ? st->surface->height : 0);
    st->textures.assign(static_cast<std::size_t>(st->grid.count()), nullptr);
    if (!same_size) gtk_widget_queue_resize(view);
    gtk_widget_queue_draw(view);
}

void surface_view_damage(GtkWidget* view, const RECT& damage) {
    ViewState* st = ZELVIO_SURFACE_VIEW(view)->state;
    if (!st->surface || damage.left >= damage.right || damage.top >= damage.bottom) return;
    st->grid.mark(damage);
    gtk_widget_queue_draw(view);
}

}  // namespace desktop
