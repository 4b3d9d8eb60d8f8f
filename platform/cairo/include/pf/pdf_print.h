#pragma once
// Printing into a PDF file: A4 portrait pages, device units of a 600 dpi printer.

#include <memory>
#include <string>

#include "pf/cairo_dc.h"
#include "pf/print.h"

namespace pf {

class PdfPrintTarget : public PrintTarget {
 public:
  static constexpr int kDotsPerInch = 600;
  // A4 in points.
  static constexpr double kPageWidthPt = 595.2756;
  static constexpr double kPageHeightPt = 841.8898;
  // The page in device units.
  static constexpr Size PageDots() {
    return {static_cast<int>(kPageWidthPt * kDotsPerInch / 72 + 0.5),
            static_cast<int>(kPageHeightPt * kDotsPerInch / 72 + 0.5)};
  }

  // nullptr when the file cannot be made.
  static std::unique_ptr<PdfPrintTarget> Create(const std::string& path);

  Dc& GetDc() override { return *dc_; }
  Size PageSize() const override { return {dc_->Width(), dc_->Height()}; }
  bool EndPage() override;
  bool Finish() override;
  int Pages() const { return pages_; }

 private:
  explicit PdfPrintTarget(std::unique_ptr<CairoDc> dc) : dc_(std::move(dc)) {}

  std::unique_ptr<CairoDc> dc_;
  int pages_ = 0;
};

}  // namespace pf
