#include "backing_surface.h"

#include <algorithm>

#include "pf/cairo_dc.h"
#include "pf/window.h"

namespace pf {

BackingSurface::~BackingSurface() {
  if (image_ != nullptr) cairo_surface_destroy(image_);
}

Size BackingSurface::GetSize() const {
  if (image_ == nullptr) return {};
  return {cairo_image_surface_get_width(image_), cairo_image_surface_get_height(image_)};
}

cairo_surface_t* BackingSurface::Fit(const Window& window) {
  const Rect client = window.GetClientRect();
  const Size size{std::clamp(client.Width(), 1, CairoDc::kMaxSide),
                  std::clamp(client.Height(), 1, CairoDc::kMaxSide)};
  if (image_ != nullptr && GetSize() == size) return image_;
  if (image_ != nullptr) cairo_surface_destroy(image_);
  image_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size.cx, size.cy);
  if (const auto dc = CairoDc::ForImageSurface(image_)) {
    dc->FillRect({0, 0, size.cx, size.cy}, Brush{BrushStyle::Solid, window.GetBackgroundColor()});
  }
  return image_;
}

void BackingSurface::PaintInvalid(Window& window) {
  const std::optional<Rect> update = window.GetUpdateRect();
  if (!update) return;
  cairo_surface_t* image = Fit(window);
  const Size size = GetSize();
  auto scratch = CairoDc::CreateImage(size.cx, size.cy, window.GetBackgroundColor());
  if (!scratch) {
    window.ValidateRect();
    return;
  }
  window.Paint(*scratch);
  const Rect r{std::max(update->left, 0), std::max(update->top, 0),
               std::min(update->right, size.cx), std::min(update->bottom, size.cy)};
  if (r.IsEmpty()) return;
  cairo_surface_flush(scratch->Surface());
  cairo_t* cr = cairo_create(image);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, scratch->Surface(), 0, 0);
  cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_mark_dirty(image);
}

}  // namespace pf
