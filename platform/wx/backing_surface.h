#pragma once
// The pixels of a window that the model paints: an image of the window's client size that the
// model draws into and the native window shows.

#include <cairo.h>

#include "pf/colour.h"
#include "pf/geometry.h"

namespace pf {

class Window;

class BackingSurface {
 public:
  BackingSurface() = default;
  ~BackingSurface();
  BackingSurface(const BackingSurface&) = delete;
  BackingSurface& operator=(const BackingSurface&) = delete;

  // Gives the image the window's client size (within what Cairo can hold); a new image starts
  // in the window's background colour.
  cairo_surface_t* Fit(const Window& window);
  // nullptr before the first Fit.
  cairo_surface_t* Image() const { return image_; }
  Size GetSize() const;
  // Paints the window's invalid part into the image: the window paints all of itself on a
  // scratch image and only the invalid part is kept, as the platform clips painting.
  void PaintInvalid(Window& window);

 private:
  cairo_surface_t* image_ = nullptr;
};

}  // namespace pf
