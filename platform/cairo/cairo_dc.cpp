#include "pf/cairo_dc.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "cairo_fonts.h"
#include "pf/whole_file.h"

namespace pf {
namespace {

constexpr double kPi = 3.14159265358979323846;

void SetColor(cairo_t* cr, ColorRef c) {
  cairo_set_source_rgb(cr, RedOf(c) / 255.0, GreenOf(c) / 255.0, BlueOf(c) / 255.0);
}

// Cairo's RGB24 pixel (0x00RRGGBB in a native 32-bit word) and back.
ColorRef FromPixel(uint32_t p) {
  return Rgb(static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
             static_cast<uint8_t>(p));
}
uint32_t ToPixel(ColorRef c) {
  return (uint32_t{RedOf(c)} << 16) | (uint32_t{GreenOf(c)} << 8) | uint32_t{BlueOf(c)};
}

// The dash patterns of the platform's one-pixel styled pens, in device pixels.
std::vector<double> DashesOf(PenStyle style) {
  switch (style) {
    case PenStyle::Dash: return {18, 6};
    case PenStyle::Dot: return {3, 3};
    case PenStyle::DashDot: return {9, 6, 3, 6};
    case PenStyle::DashDotDot: return {9, 3, 3, 3, 3, 3};
    case PenStyle::Solid:
    case PenStyle::Null: break;
  }
  return {};
}

struct Vec {
  double x;
  double y;
};

// Half a pixel along the segment, measured on its major axis: moving both ends of a one-pixel
// stroke back by it makes the stroke cover the first pixel and leave out the last.
Vec HalfStep(Point from, Point to) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  const double major = std::max(std::fabs(dx), std::fabs(dy));
  if (major == 0) return {0, 0};
  return {dx / (2 * major), dy / (2 * major)};
}

}  // namespace

// The file under a vector surface. Cairo does not report every failed write (the last buffer of
// a small file goes unchecked), so the file is ours and its close is checked; it takes the
// target's place only when complete.
class CairoDc::VectorFile {
 public:
  static std::unique_ptr<VectorFile> Open(const std::string& path) {
    auto whole = std::make_unique<WholeFile>(path);
    if (whole->Path().empty()) return nullptr;
    std::FILE* file = std::fopen(whole->Path().c_str(), "wb");
    if (file == nullptr) return nullptr;
    return std::unique_ptr<VectorFile>(new VectorFile(file, std::move(whole)));
  }
  ~VectorFile() { Close(); }

  static cairo_status_t Write(void* closure, const unsigned char* data, unsigned int length) {
    auto* self = static_cast<VectorFile*>(closure);
    if (self->file_ == nullptr || std::fwrite(data, 1, length, self->file_) != length) {
      self->failed_ = true;
      return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
  }

  // False when any write failed, now or before.
  bool Close() {
    if (file_ != nullptr) {
      if (std::fflush(file_) != 0 || std::ferror(file_) != 0) failed_ = true;
      if (std::fclose(file_) != 0) failed_ = true;
      file_ = nullptr;
      if (!failed_ && !whole_->Commit()) failed_ = true;
    }
    return !failed_;
  }

 private:
  VectorFile(std::FILE* file, std::unique_ptr<WholeFile> whole)
      : file_(file), whole_(std::move(whole)) {}

  std::FILE* file_;
  std::unique_ptr<WholeFile> whole_;  // removes the file unless it was committed
  bool failed_ = false;
};

struct CairoDc::EllipseGeometry {
  double cx, cy, rx, ry;
  bool drawable;  // false when the pen is as wide as the box
};

CairoDc::CairoDc(cairo_surface_t* surface, int width, int height)
    : surface_(surface), cr_(cairo_create(surface)), width_(width), height_(height) {}

CairoDc::~CairoDc() {
  cairo_destroy(cr_);
  // An image surface may still be the caller's; vector files are written out now.
  if (!IsImage()) cairo_surface_finish(surface_);
  cairo_surface_destroy(surface_);
}

std::unique_ptr<CairoDc> CairoDc::Adopt(cairo_surface_t* surface, int width, int height,
                                        std::unique_ptr<VectorFile> file) {
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  auto dc = std::unique_ptr<CairoDc>(new CairoDc(surface, width, height));
  dc->file_ = std::move(file);
  if (cairo_status(dc->cr_) != CAIRO_STATUS_SUCCESS) return nullptr;
  return dc;
}

std::unique_ptr<CairoDc> CairoDc::AdoptVector(const std::string& path, double widthPt,
                                              double heightPt, int width, int height, bool svg) {
  std::unique_ptr<VectorFile> file = VectorFile::Open(path);
  if (!file) return nullptr;
  cairo_surface_t* surface =
      svg ? cairo_svg_surface_create_for_stream(&VectorFile::Write, file.get(), widthPt, heightPt)
          : cairo_pdf_surface_create_for_stream(&VectorFile::Write, file.get(), widthPt, heightPt);
  return Adopt(surface, width, height, std::move(file));
}

std::unique_ptr<CairoDc> CairoDc::CreateImage(int width, int height, ColorRef background) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  auto dc = Adopt(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height), width, height);
  if (dc) {
    SetColor(dc->cr_, background);
    cairo_paint(dc->cr_);
  }
  return dc;
}

std::unique_ptr<CairoDc> CairoDc::CreateSvg(const std::string& path, int width, int height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  return AdoptVector(path, width, height, width, height, true);
}

std::unique_ptr<CairoDc> CairoDc::CreatePdf(const std::string& path, int width, int height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) return nullptr;
  return AdoptVector(path, width, height, width, height, false);
}

std::unique_ptr<CairoDc> CairoDc::CreatePdfPages(const std::string& path, double widthPt,
                                                 double heightPt, int dotsPerInch) {
  const double unitsPerPoint = dotsPerInch / 72.0;
  const double width = widthPt * unitsPerPoint;
  const double height = heightPt * unitsPerPoint;
  if (dotsPerInch < 1 || !(width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide)) {
    return nullptr;
  }
  auto dc = AdoptVector(path, widthPt, heightPt, static_cast<int>(width + 0.5),
                        static_cast<int>(height + 0.5), false);
  if (dc) cairo_scale(dc->cr_, 1.0 / unitsPerPoint, 1.0 / unitsPerPoint);
  return dc;
}

std::unique_ptr<CairoDc> CairoDc::ForImageSurface(cairo_surface_t* surface) {
  if (!surface || cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE) return nullptr;
  cairo_surface_reference(surface);
  return Adopt(surface, cairo_image_surface_get_width(surface),
               cairo_image_surface_get_height(surface));
}

std::unique_ptr<CairoDc> CairoDc::CreateScaledImage(int width, int height, Size pixels) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || pixels.cx < 1 ||
      pixels.cy < 1 || pixels.cx > kMaxSide || pixels.cy > kMaxSide) {
    return nullptr;
  }
  auto dc = CreateImage(pixels.cx, pixels.cy);
  if (!dc) return nullptr;
  dc->width_ = width;
  dc->height_ = height;
  dc->pixelUnits_ = false;
  cairo_scale(dc->cr_, static_cast<double>(pixels.cx) / width,
              static_cast<double>(pixels.cy) / height);
  return dc;
}

bool CairoDc::IsImage() const {
  return cairo_surface_get_type(surface_) == CAIRO_SURFACE_TYPE_IMAGE;
}

bool CairoDc::WritePng(const std::string& path) const {
  if (!IsImage()) return false;
  cairo_surface_flush(surface_);
  return WriteWholeFile(path, [this](const std::string& temporary) {
    return cairo_surface_write_to_png(surface_, temporary.c_str()) == CAIRO_STATUS_SUCCESS;
  });
}

bool CairoDc::Finish() {
  if (IsImage()) {
    cairo_surface_flush(surface_);
  } else {
    cairo_surface_finish(surface_);
  }
  const bool written = file_ == nullptr || file_->Close();
  return cairo_status(cr_) == CAIRO_STATUS_SUCCESS &&
         cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS && written;
}

bool CairoDc::ShowPage() {
  if (IsImage()) {
    cairo_save(cr_);
    cairo_set_source_rgb(cr_, 1, 1, 1);
    cairo_paint(cr_);
    cairo_restore(cr_);
  } else {
    cairo_show_page(cr_);
  }
  return cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

bool CairoDc::HasPen() const { return GetPen().style != PenStyle::Null; }

double CairoDc::PenWidth() const {
  const int width = GetPen().width;
  if (width <= 0) return 1.0;
  return std::max(1.0, std::round(width * ScaleX()));
}

void CairoDc::AddOpenPath(std::span<const Point> device) {
  cairo_new_path(cr_);
  if (IsThinPen()) {
    const std::size_t last = device.size() - 1;
    const Vec first = HalfStep(device[0], device[1]);
    const Vec end = HalfStep(device[last - 1], device[last]);
    cairo_move_to(cr_, device[0].x + 0.5 - first.x, device[0].y + 0.5 - first.y);
    for (std::size_t i = 1; i < last; ++i) {
      cairo_line_to(cr_, device[i].x + 0.5, device[i].y + 0.5);
    }
    cairo_line_to(cr_, device[last].x + 0.5 - end.x, device[last].y + 0.5 - end.y);
    return;
  }
  const double offset = static_cast<int>(PenWidth()) % 2 ? 0.5 : 0.0;
  cairo_move_to(cr_, device[0].x + offset, device[0].y + offset);
  for (std::size_t i = 1; i < device.size(); ++i) {
    cairo_line_to(cr_, device[i].x + offset, device[i].y + offset);
  }
}

void CairoDc::AddClosedPath(std::span<const Point> device) {
  const double offset = static_cast<int>(PenWidth()) % 2 ? 0.5 : 0.0;
  cairo_new_path(cr_);
  cairo_move_to(cr_, device[0].x + offset, device[0].y + offset);
  for (std::size_t i = 1; i < device.size(); ++i) {
    cairo_line_to(cr_, device[i].x + offset, device[i].y + offset);
  }
  cairo_close_path(cr_);
}

void CairoDc::AddEllipsePath(double cx, double cy, double rx, double ry) {
  cairo_save(cr_);
  cairo_translate(cr_, cx, cy);
  cairo_scale(cr_, rx, ry);
  cairo_new_path(cr_);
  cairo_arc(cr_, 0, 0, 1, 0, 2 * kPi);
  cairo_close_path(cr_);
  cairo_restore(cr_);
}

// Strokes the current path with the selected pen and clears it. Styled pens exist only one
// pixel wide; an opaque background fills their gaps with the background colour.
void CairoDc::StrokePen() {
  const Pen& pen = GetPen();
  const double width = PenWidth();
  const bool thin = width <= 1.0;
  cairo_set_line_width(cr_, width);
  cairo_set_line_cap(cr_, thin ? CAIRO_LINE_CAP_BUTT : CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, thin ? CAIRO_LINE_JOIN_MITER : CAIRO_LINE_JOIN_ROUND);
  const std::vector<double> dashes = thin ? DashesOf(pen.style) : std::vector<double>{};
  if (!dashes.empty() && GetBkMode() == BkMode::Opaque) {
    cairo_set_dash(cr_, nullptr, 0, 0);
    SetColor(cr_, GetBkColor());
    cairo_stroke_preserve(cr_);
  }
  cairo_set_dash(cr_, dashes.data(), static_cast<int>(dashes.size()), 0);
  SetColor(cr_, pen.color);
  cairo_stroke(cr_);
  cairo_set_dash(cr_, nullptr, 0, 0);
}

void CairoDc::FillBrush(bool preserve) {
  const Brush& brush = GetBrush();
  if (brush.style == BrushStyle::Null) {
    if (!preserve) cairo_new_path(cr_);
    return;
  }
  SetColor(cr_, brush.color);
  if (preserve) {
    cairo_fill_preserve(cr_);
  } else {
    cairo_fill(cr_);
  }
}

void CairoDc::DoLine(Point from, Point to) {
  if (!HasPen()) return;
  const Point device[] = {LogicalToDevice(from), LogicalToDevice(to)};
  if (device[0] == device[1]) return;
  AddOpenPath(device);
  StrokePen();
}

void CairoDc::DoPolyline(std::span<const Point> points) {
  if (!HasPen()) return;
  std::vector<Point> device;
  device.reserve(points.size());
  for (Point p : points) device.push_back(LogicalToDevice(p));
  AddOpenPath(device);
  StrokePen();
}

// The ellipse along which the pen runs: inset by half the pen width, so that the outline stays
// inside the box (right and bottom exclusive).
CairoDc::EllipseGeometry CairoDc::PenEllipse(const Rect& box) const {
  const Rect d = LogicalToDevice(box).Normalized();
  const double half = PenWidth() / 2;
  const double rx = d.Width() / 2.0 - half;
  const double ry = d.Height() / 2.0 - half;
  return {(d.left + d.right) / 2.0, (d.top + d.bottom) / 2.0, rx, ry, rx > 0 && ry > 0};
}

void CairoDc::DoArc(const Rect& box, Point start, Point end) {
  if (!HasPen()) return;
  const EllipseGeometry e = PenEllipse(box);
  if (!e.drawable) return;
  const Point s = LogicalToDevice(start);
  const Point t = LogicalToDevice(end);
  // Parameter angles of the points where the rays from the centre meet the ellipse. Angles
  // grow clockwise on the screen (y down), so counter-clockwise runs towards smaller angles.
  const double a0 = std::atan2((s.y - e.cy) / e.ry, (s.x - e.cx) / e.rx);
  double a1 = std::atan2((t.y - e.cy) / e.ry, (t.x - e.cx) / e.rx);
  if (a1 >= a0) a1 -= 2 * kPi;
  cairo_save(cr_);
  cairo_translate(cr_, e.cx, e.cy);
  cairo_scale(cr_, e.rx, e.ry);
  cairo_new_path(cr_);
  cairo_arc_negative(cr_, 0, 0, 1, a0, a1);
  cairo_restore(cr_);
  StrokePen();
}

void CairoDc::DoRectangle(const Rect& r) {
  Rect d = LogicalToDevice(r).Normalized();
  if (!HasPen()) {
    // Without an outline the platform leaves out one more column and row.
    --d.right;
    --d.bottom;
    if (d.IsEmpty()) return;
    cairo_rectangle(cr_, d.left, d.top, d.Width(), d.Height());
    FillBrush(false);
    return;
  }
  if (d.IsEmpty()) return;
  const double w = PenWidth();
  cairo_rectangle(cr_, d.left, d.top, d.Width(), d.Height());
  if (d.Width() <= w || d.Height() <= w) {  // all outline
    SetColor(cr_, GetPen().color);
    cairo_fill(cr_);
    return;
  }
  FillBrush(false);
  cairo_rectangle(cr_, d.left + w / 2, d.top + w / 2, d.Width() - w, d.Height() - w);
  StrokePen();
}

void CairoDc::DoEllipse(const Rect& box) {
  if (!HasPen()) {
    Rect d = LogicalToDevice(box).Normalized();
    --d.right;
    --d.bottom;
    if (d.IsEmpty()) return;
    AddEllipsePath((d.left + d.right) / 2.0, (d.top + d.bottom) / 2.0, d.Width() / 2.0,
                   d.Height() / 2.0);
    FillBrush(false);
    return;
  }
  const EllipseGeometry e = PenEllipse(box);
  if (!e.drawable) {  // a box no wider than the pen shows as a dot or a bar
    const Rect d = LogicalToDevice(box).Normalized();
    if (d.IsEmpty()) return;
    cairo_rectangle(cr_, d.left, d.top, d.Width(), d.Height());
    SetColor(cr_, GetPen().color);
    cairo_fill(cr_);
    return;
  }
  AddEllipsePath(e.cx, e.cy, e.rx, e.ry);
  FillBrush(true);
  StrokePen();
}

void CairoDc::DoPolygon(std::span<const Point> points) {
  std::vector<Point> device;
  device.reserve(points.size());
  for (Point p : points) device.push_back(LogicalToDevice(p));
  // The fill runs along the pixel corners, so it leaves out the right and bottom edge; the
  // outline runs through the pixels of the points.
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_new_path(cr_);
  cairo_move_to(cr_, device[0].x, device[0].y);
  for (std::size_t i = 1; i < device.size(); ++i) cairo_line_to(cr_, device[i].x, device[i].y);
  cairo_close_path(cr_);
  FillBrush(false);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_WINDING);
  if (!HasPen()) return;
  AddClosedPath(device);
  StrokePen();
}

void CairoDc::DoFillRect(const Rect& r, const Brush& brush) {
  const Rect d = LogicalToDevice(r).Normalized();
  if (d.IsEmpty() || brush.style == BrushStyle::Null) return;
  cairo_rectangle(cr_, d.left, d.top, d.Width(), d.Height());
  SetColor(cr_, brush.color);
  cairo_fill(cr_);
}

void CairoDc::DoFocusRect(const Rect& r) {
  const Rect d = LogicalToDevice(r).Normalized();
  if (d.IsEmpty()) return;
  // Border pixels whose distance from the top-left corner is even; only those on the surface.
  const auto add = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_ && (x - d.left + y - d.top) % 2 == 0) {
      cairo_rectangle(cr_, x, y, 1, 1);
    }
  };
  const int x0 = std::max(d.left, 0);
  const int x1 = std::min(d.right, width_);
  const int y0 = std::max(d.top + 1, 0);
  const int y1 = std::min(d.bottom - 1, height_);
  cairo_new_path(cr_);
  for (int x = x0; x < x1; ++x) {
    add(x, d.top);
    if (d.bottom - 1 > d.top) add(x, d.bottom - 1);
  }
  for (int y = y0; y < y1; ++y) {
    add(d.left, y);
    if (d.right - 1 > d.left) add(d.right - 1, y);
  }
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_fill(cr_);
  cairo_restore(cr_);
}

namespace {

// The selected font at device scale: em sizes and the cell's ascent, all in device units. The
// ascent is a whole number of pixels so that baselines lie on pixel edges.
struct DeviceFont {
  double emX;
  double emY;
  double ascent;
  double cellHeight;
};

DeviceFont MakeDeviceFont(const Font& font, double scaleX, double scaleY) {
  const CairoFonts& fonts = CairoFonts::Get();
  const double cell = fonts.Ascent() + fonts.Descent();
  const int height = font.height != 0 ? font.height : StockFont().height;
  const double emY = height > 0 ? height * scaleY / cell : -static_cast<double>(height) * scaleY;
  const double width = std::fabs(static_cast<double>(font.width));
  const double emX = font.width != 0 ? width * scaleX / fonts.AverageWidth() : emY;
  return {emX, emY, std::round(emY * fonts.Ascent()), emY * cell};
}

struct ShapedText {
  std::vector<cairo_glyph_t> glyphs;
  double advance = 0;
};

ShapedText Shape(cairo_scaled_font_t* font, std::string_view text, double baseline) {
  ShapedText shaped;
  const std::string utf8 = CairoFonts::ToValidUtf8(text);
  if (utf8.empty()) return shaped;
  cairo_glyph_t* glyphs = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(font, 0, baseline, utf8.data(),
                                       static_cast<int>(utf8.size()), &glyphs, &count, nullptr,
                                       nullptr, nullptr) != CAIRO_STATUS_SUCCESS) {
    return shaped;
  }
  shaped.glyphs.assign(glyphs, glyphs + count);
  cairo_glyph_free(glyphs);
  if (count > 0) {
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(font, shaped.glyphs.data(), count, &extents);
    shaped.advance = shaped.glyphs.front().x + extents.x_advance;
  }
  return shaped;
}

}  // namespace

void CairoDc::DoTextOut(Point p, std::string_view text) {
  const DeviceFont df = MakeDeviceFont(GetFont(), ScaleX(), ScaleY());
  if (!(df.emX > 0 && df.emY > 0)) return;
  cairo_scaled_font_t* font = CairoFonts::Get().CreateScaled(df.emX, df.emY);
  const ShapedText shaped = Shape(font, text, df.ascent);
  const Point origin = LogicalToDevice(p);
  cairo_save(cr_);
  cairo_translate(cr_, origin.x, origin.y);
  cairo_rotate(cr_, -GetFont().escapement * kPi / 1800.0);
  if (GetBkMode() == BkMode::Opaque) {
    cairo_rectangle(cr_, 0, 0, std::round(shaped.advance), std::round(df.cellHeight));
    SetColor(cr_, GetBkColor());
    cairo_fill(cr_);
  }
  if (!shaped.glyphs.empty()) {
    cairo_set_scaled_font(cr_, font);
    SetColor(cr_, GetTextColor());
    cairo_show_glyphs(cr_, shaped.glyphs.data(), static_cast<int>(shaped.glyphs.size()));
  }
  cairo_restore(cr_);
  cairo_scaled_font_destroy(font);
}

Size CairoDc::DoTextExtent(std::string_view text) const {
  const double sx = ScaleX();
  const double sy = ScaleY();
  const DeviceFont df = MakeDeviceFont(GetFont(), sx, sy);
  if (!(df.emX > 0 && df.emY > 0)) return {};
  cairo_scaled_font_t* font = CairoFonts::Get().CreateScaled(df.emX, df.emY);
  const ShapedText shaped = Shape(font, text, df.ascent);
  cairo_scaled_font_destroy(font);
  return {static_cast<int>(std::lround(shaped.advance / sx)),
          static_cast<int>(std::lround(df.cellHeight / sy))};
}

ColorRef CairoDc::DoSetPixel(Point p, ColorRef color) {
  const Point d = LogicalToDevice(p);
  if (!pixelUnits_ || d.x < 0 || d.y < 0 || d.x >= width_ || d.y >= height_) return kInvalidColor;
  cairo_save(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr_, d.x, d.y, 1, 1);
  SetColor(cr_, color);
  cairo_fill(cr_);
  cairo_restore(cr_);
  return color & 0xFFFFFFu;
}

ColorRef CairoDc::DoGetPixel(Point p) const {
  const Point d = LogicalToDevice(p);
  if (!IsImage() || !pixelUnits_ || d.x < 0 || d.y < 0 || d.x >= width_ || d.y >= height_)
    return kInvalidColor;
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  if (!data) return kInvalidColor;
  const auto* row =
      reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(d.y) * stride);
  return FromPixel(row[d.x]);
}

bool CairoDc::DoDrawBitmap(const Rect& dst, const Bitmap& bitmap, const Rect& src) {
  const Rect d = LogicalToDevice(dst).Normalized();
  if (d.IsEmpty() || src.IsEmpty()) return false;
  cairo_surface_t* image =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, src.Width(), src.Height());
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    return false;
  }
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  for (int y = 0; y < src.Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < src.Width(); ++x) {
      row[x] = ToPixel(bitmap.GetPixel(src.left + x, src.top + y));
    }
  }
  cairo_surface_mark_dirty(image);
  cairo_save(cr_);
  cairo_rectangle(cr_, d.left, d.top, d.Width(), d.Height());
  cairo_clip(cr_);
  cairo_translate(cr_, d.left, d.top);
  cairo_scale(cr_, static_cast<double>(d.Width()) / src.Width(),
              static_cast<double>(d.Height()) / src.Height());
  cairo_set_source_surface(cr_, image, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr_), CAIRO_FILTER_NEAREST);
  cairo_paint(cr_);
  cairo_restore(cr_);
  cairo_surface_destroy(image);
  return true;
}

std::optional<Bitmap> CairoDc::DoReadBitmap(const Rect& r) const {
  if (!pixelUnits_) return std::nullopt;
  return ReadPixels(LogicalToDevice(r).Normalized());
}

std::optional<Bitmap> CairoDc::ReadImage() const {
  if (!IsImage()) return std::nullopt;
  return ReadPixels({0, 0, cairo_image_surface_get_width(surface_),
                     cairo_image_surface_get_height(surface_)});
}

std::optional<Bitmap> CairoDc::ReadPixels(const Rect& d) const {
  if (!IsImage()) return std::nullopt;
  Bitmap bitmap(d.Width(), d.Height(), Rgb(0, 0, 0));
  if (bitmap.IsEmpty()) return std::nullopt;
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  if (!data) return std::nullopt;
  const int width = cairo_image_surface_get_width(surface_);
  const int height = cairo_image_surface_get_height(surface_);
  for (int y = std::max(d.top, 0); y < std::min(d.bottom, height); ++y) {
    const auto* row =
        reinterpret_cast<const uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = std::max(d.left, 0); x < std::min(d.right, width); ++x) {
      bitmap.SetPixel(x - d.left, y - d.top, FromPixel(row[x]));
    }
  }
  return bitmap;
}

}  // namespace pf
