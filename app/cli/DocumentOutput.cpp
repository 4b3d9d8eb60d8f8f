#include "app/cli/DocumentOutput.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/cli/CircuitFile.h"
#include "app/cli/ErrorQueue.h"
#include "basics/VS_Error.h"
#include "editor/document/DocumentDrawing.h"
#include "pf/cairo_dc.h"

namespace {

// The printer of the view's print command: 600 dots per inch on A4, the view's mapping three
// times larger (window 300, viewport 900).
constexpr int kPrinterDpi = 600;
constexpr double kA4WidthMm = 210.0;
constexpr double kA4HeightMm = 297.0;
constexpr int kPrintWindow = 300;
constexpr int kPrintViewport = 900;

int WriteFailed(const char* outPath) {
  std::error_code ec;
  std::filesystem::remove(outPath, ec);
  VS_Error().Error(MyStrng("Datei konnte nicht geschrieben werden: ") + outPath, 4);
  return ReportQueue();
}

// Cairo's PDF page is measured in points (1/72 inch).
bool WritePdfPage(const char* pdfPath, cairo_surface_t* image) {
  const double pointsPerMm = 72.0 / 25.4;
  cairo_surface_t* pdf =
      cairo_pdf_surface_create(pdfPath, kA4WidthMm * pointsPerMm, kA4HeightMm * pointsPerMm);
  cairo_t* cr = cairo_create(pdf);
  cairo_scale(cr, 72.0 / kPrinterDpi, 72.0 / kPrinterDpi);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_paint(cr);
  cairo_show_page(cr);
  cairo_destroy(cr);
  cairo_surface_finish(pdf);
  const bool ok = cairo_surface_status(pdf) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(pdf);
  return ok;
}

}  // namespace

int RenderDocument(const char* path, const char* pngPath) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (!loaded) return ReportQueue();
  std::unique_ptr<pf::CairoDc> dc = pf::CairoDc::CreateImage(kDrawingSize, kDrawingSize);
  if (!dc) return WriteFailed(pngPath);
  DrawDocument(loaded->doc, *dc, 'S');
  if (VS_Error::MessageCount() > 0) return ReportQueue();
  if (!dc->WritePng(pngPath)) return WriteFailed(pngPath);
  return 0;
}

int PrintDocument(const char* path, const char* pdfPath) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (!loaded) return ReportQueue();
  // The printer's pixels under the drawing area; the page holds more, but nothing is drawn there.
  const int pageWidth = static_cast<int>(kA4WidthMm / 25.4 * kPrinterDpi + 0.5);
  const int pageHeight = static_cast<int>(kA4HeightMm / 25.4 * kPrinterDpi + 0.5);
  const int drawn = kDrawingSize * kPrintViewport / kPrintWindow;
  std::unique_ptr<pf::CairoDc> dc =
      pf::CairoDc::CreateImage(std::min(drawn, pageWidth), std::min(drawn, pageHeight));
  if (!dc) return WriteFailed(pdfPath);
  dc->SetMapMode(pf::MapMode::Anisotropic);
  dc->SetWindowExt(kPrintWindow, kPrintWindow);
  dc->SetViewportExt(kPrintViewport, kPrintViewport);
  dc->SetViewportOrg(0, 0);
  DrawDocument(loaded->doc, *dc, 'P');
  if (VS_Error::MessageCount() > 0) return ReportQueue();
  dc->Finish();
  if (!WritePdfPage(pdfPath, dc->Surface())) return WriteFailed(pdfPath);
  return 0;
}
