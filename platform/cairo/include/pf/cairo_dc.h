#pragma once
// The device context on Cairo: PNG images, SVG and PDF files, and the image surfaces that the
// desktop backend blits to its windows. Text uses Liberation Sans (the stand-in for Arial,
// loaded from its font file) with unhinted metrics, so a text has the same extent on every
// surface; every face name maps to it and every weight draws the regular style.

#include <cairo.h>

#include <memory>
#include <string>

#include "pf/dc.h"

namespace pf {

class CairoDc : public Dc {
 public:
  static constexpr int kMaxSide = 32767;

  // Each returns nullptr when the surface cannot be made (a side outside 1..kMaxSide, a file
  // that cannot be opened). Vector files are complete after Finish or destruction; files, PNG
  // included, take their names only when complete, so a failed write keeps the previous file.
  static std::unique_ptr<CairoDc> CreateImage(int width, int height,
                                              ColorRef background = Rgb(255, 255, 255));
  static std::unique_ptr<CairoDc> CreateSvg(const std::string& path, int width, int height);
  static std::unique_ptr<CairoDc> CreatePdf(const std::string& path, int width, int height);
  // A PDF file of pages widthPt x heightPt points, drawn in device units of dotsPerInch.
  static std::unique_ptr<CairoDc> CreatePdfPages(const std::string& path, double widthPt,
                                                 double heightPt, int dotsPerInch);
  // Draws on an opaque image surface that the caller keeps (a window's backing store).
  static std::unique_ptr<CairoDc> ForImageSurface(cairo_surface_t* surface);
  // A white image of the given pixels on which width x height device units are drawn (a page
  // of the printer, pictured for the screen). Its pixels are read as a whole (ReadImage) only.
  static std::unique_ptr<CairoDc> CreateScaledImage(int width, int height, Size pixels);

  ~CairoDc() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  cairo_surface_t* Surface() const { return surface_; }
  bool WritePng(const std::string& path) const;  // image surfaces only
  // Every pixel of an image surface; nullopt for a vector file.
  std::optional<Bitmap> ReadImage() const;
  // Completes a vector file (flushes an image); false when anything failed on the way (a write
  // error). Nothing can be drawn on a completed vector file.
  bool Finish();
  // Completes the page of a vector file; drawing goes on on an empty next page. An image
  // starts white again.
  bool ShowPage();


 protected:
  void DoLine(Point from, Point to) override;
  void DoPolyline(std::span<const Point> points) override;
  void DoArc(const Rect& box, Point start, Point end) override;
  void DoRectangle(const Rect& r) override;
  void DoEllipse(const Rect& box) override;
  void DoPolygon(std::span<const Point> points) override;
  void DoFillRect(const Rect& r, const Brush& brush) override;
  void DoFocusRect(const Rect& r) override;
  void DoTextOut(Point p, std::string_view text) override;
  Size DoTextExtent(std::string_view text) const override;
  ColorRef DoSetPixel(Point p, ColorRef color) override;
  ColorRef DoGetPixel(Point p) const override;
  bool DoDrawBitmap(const Rect& dst, const Bitmap& bitmap, const Rect& src) override;
  std::optional<Bitmap> DoReadBitmap(const Rect& r) const override;

 private:
  class VectorFile;

  CairoDc(cairo_surface_t* surface, int width, int height);
  static std::unique_ptr<CairoDc> Adopt(cairo_surface_t* surface, int width, int height,
                                        std::unique_ptr<VectorFile> file = nullptr);
  static std::unique_ptr<CairoDc> AdoptVector(const std::string& path, double widthPt,
                                              double heightPt, int width, int height, bool svg);

  bool IsImage() const;
  // The pixels of the rectangle of the image surface (black outside it).
  std::optional<Bitmap> ReadPixels(const Rect& r) const;
  bool HasPen() const;
  double PenWidth() const;  // device pixels
  bool IsThinPen() const { return PenWidth() <= 1.0; }
  void AddOpenPath(std::span<const Point> device);
  void AddClosedPath(std::span<const Point> device);
  void AddEllipsePath(double cx, double cy, double rx, double ry);
  void StrokePen();
  void FillBrush(bool preserve);
  struct EllipseGeometry;
  EllipseGeometry PenEllipse(const Rect& box) const;

  cairo_surface_t* surface_;
  cairo_t* cr_;
  int width_;
  int height_;
  // Device units are pixels: single pixels can be read and written.
  bool pixelUnits_ = true;
  std::unique_ptr<VectorFile> file_;  // vector surfaces only
};

}  // namespace pf
