#pragma once
// The one text face of the Cairo backend, loaded once per process, and its unhinted metrics.

#include <cairo.h>

#include <string>
#include <string_view>

namespace pf {

class CairoFonts {
 public:
  static const CairoFonts& Get();

  const std::string& File() const { return file_; }
  // Per em: ascent and descent (their sum is the cell height) and the average character width.
  double Ascent() const { return ascent_; }
  double Descent() const { return descent_; }
  double AverageWidth() const { return averageWidth_; }

  // An unhinted scaled font with the given em sizes in device units; the caller destroys it.
  cairo_scaled_font_t* CreateScaled(double emX, double emY) const;

  // Valid UTF-8 for Cairo: a byte that starts no valid sequence is taken as Latin-1 (texts of
  // older files), and the text ends at a NUL as it did for the C strings it came from.
  static std::string ToValidUtf8(std::string_view text);

 private:
  CairoFonts();

  std::string file_;
  cairo_font_face_t* face_ = nullptr;
  cairo_font_options_t* options_ = nullptr;
  double ascent_ = 0.9;
  double descent_ = 0.2;
  double averageWidth_ = 0.5;
};

}  // namespace pf
