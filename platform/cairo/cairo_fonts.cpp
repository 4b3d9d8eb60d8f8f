#include "cairo_fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace pf {
namespace {

constexpr const char* kFileName = "LiberationSans-Regular.ttf";
constexpr const char* kFamily = "Liberation Sans";

// The places distributions install the font in, most common first.
std::string FindByPath() {
  std::vector<std::filesystem::path> dirs;
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && *dataHome) dirs.emplace_back(std::filesystem::path(dataHome) / "fonts");
  for (const char* root : {"/usr/share/fonts", "/usr/local/share/fonts"}) {
    for (const char* sub : {"truetype/liberation2", "truetype/liberation", "liberation-sans",
                            "liberation-sans-fonts", "liberation", "TTF", "truetype"}) {
      dirs.emplace_back(std::filesystem::path(root) / sub);
    }
  }
  std::error_code ec;
  for (const auto& dir : dirs) {
    const auto file = dir / kFileName;
    if (std::filesystem::is_regular_file(file, ec)) return file.string();
  }
  return {};
}

// Fontconfig as the last resort, accepting only the family itself (no substitute).
std::string FindByFontconfig() {
  std::string found;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return found;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kFamily));
  FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match) {
    FcChar8* family = nullptr;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch &&
        FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        std::string_view(reinterpret_cast<const char*>(family)) == kFamily) {
      found = reinterpret_cast<const char*>(file);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return found;
}

// Length of the valid UTF-8 sequence at s[0], or 0.
std::size_t ValidSequence(std::string_view s) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(0);
  if (b0 < 0x80) return 1;
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    if (b0 == 0xE0) lo = 0xA0;  // no overlong forms
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (s.size() < n || byte(1) < lo || byte(1) > hi) return 0;
  for (std::size_t i = 2; i < n; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return n;
}

}  // namespace

const CairoFonts& CairoFonts::Get() {
  static const CairoFonts fonts;
  return fonts;
}

CairoFonts::CairoFonts() {
  options_ = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_GRAY);

  file_ = FindByPath();
  if (file_.empty()) file_ = FindByFontconfig();

  // The FreeType library and face live as long as the process: the face is shared by every
  // context and Cairo keeps using it from its own caches.
  static FT_Library library = nullptr;
  FT_Face ftFace = nullptr;
  if (!file_.empty() && (library || FT_Init_FreeType(&library) == 0) &&
      FT_New_Face(library, file_.c_str(), 0, &ftFace) == 0 && ftFace->units_per_EM > 0) {
    face_ = cairo_ft_font_face_create_for_ft_face(ftFace, FT_LOAD_NO_HINTING);
    const double em = ftFace->units_per_EM;
    ascent_ = ftFace->ascender / em;
    descent_ = -ftFace->descender / em;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ftFace, FT_SFNT_OS2));
    if (os2 && os2->xAvgCharWidth > 0) averageWidth_ = os2->xAvgCharWidth / em;
  } else {
    file_.clear();
    face_ = cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                       CAIRO_FONT_WEIGHT_NORMAL);
    cairo_scaled_font_t* unit = CreateScaled(1.0, 1.0);
    cairo_font_extents_t extents;
    cairo_scaled_font_extents(unit, &extents);
    if (extents.ascent + extents.descent > 0) {
      ascent_ = extents.ascent;
      descent_ = extents.descent;
    }
    cairo_scaled_font_destroy(unit);
  }
}

cairo_scaled_font_t* CairoFonts::CreateScaled(double emX, double emY) const {
  cairo_matrix_t fontMatrix;
  cairo_matrix_init_scale(&fontMatrix, emX, emY);
  cairo_matrix_t ctm;
  cairo_matrix_init_identity(&ctm);
  return cairo_scaled_font_create(face_, &fontMatrix, &ctm, options_);
}

std::string CairoFonts::ToValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty() && text.front() != '\0') {
    const std::size_t n = ValidSequence(text);
    if (n > 0) {
      out.append(text.substr(0, n));
      text.remove_prefix(n);
    } else {
      const auto b = static_cast<unsigned char>(text.front());
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
      text.remove_prefix(1);
    }
  }
  return out;
}

}  // namespace pf
