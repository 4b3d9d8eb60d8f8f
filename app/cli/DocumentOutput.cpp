#include "app/cli/DocumentOutput.h"

#include <cairo.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/cli/CircuitFile.h"
#include "app/cli/ErrorQueue.h"
#include "app/cli/Output.h"
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

constexpr const char* kNotWritten = "Datei konnte nicht geschrieben werden: ";

// Cairo's PDF page is measured in points (1/72 inch).
bool WritePdfPage(const std::string& pdfPath, pf::CairoDc& image) {
  image.Finish();
  const double pointsPerMm = 72.0 / 25.4;
  std::unique_ptr<pf::CairoDc> pdf = pf::CairoDc::CreatePdfPages(
      pdfPath, kA4WidthMm * pointsPerMm, kA4HeightMm * pointsPerMm, kPrinterDpi);
  if (!pdf) return false;
  cairo_t* cr = cairo_create(pdf->Surface());
  cairo_scale(cr, 72.0 / kPrinterDpi, 72.0 / kPrinterDpi);
  cairo_set_source_surface(cr, image.Surface(), 0, 0);
  cairo_paint(cr);
  cairo_show_page(cr);
  cairo_destroy(cr);
  return pdf->Finish();
}

}  // namespace

int RenderDocument(const char* path, const char* pngPath) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (!loaded) return ReportQueue();
  std::unique_ptr<pf::CairoDc> dc = pf::CairoDc::CreateImage(kDrawingSize, kDrawingSize);
  if (dc) DrawDocument(loaded->doc, *dc, 'S');
  if (VS_Error::MessageCount() > 0) return ReportQueue();
  const bool written = WriteOutputFile(
      pngPath, kNotWritten, [&dc](const std::string& p) { return dc && dc->WritePng(p); });
  return written ? 0 : 1;
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
  if (dc) {
    dc->SetMapMode(pf::MapMode::Anisotropic);
    dc->SetWindowExt(kPrintWindow, kPrintWindow);
    dc->SetViewportExt(kPrintViewport, kPrintViewport);
    dc->SetViewportOrg(0, 0);
    DrawDocument(loaded->doc, *dc, 'P');
  }
  if (VS_Error::MessageCount() > 0) return ReportQueue();
  const bool written = WriteOutputFile(
      pdfPath, kNotWritten, [&dc](const std::string& p) { return dc && WritePdfPage(p, *dc); });
  return written ? 0 : 1;
}
