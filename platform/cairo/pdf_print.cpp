#include "pf/pdf_print.h"

namespace pf {

std::unique_ptr<PdfPrintTarget> PdfPrintTarget::Create(const std::string& path) {
  std::unique_ptr<CairoDc> dc =
      CairoDc::CreatePdfPages(path, kPageWidthPt, kPageHeightPt, kDotsPerInch);
  if (!dc) return nullptr;
  return std::unique_ptr<PdfPrintTarget>(new PdfPrintTarget(std::move(dc)));
}

bool PdfPrintTarget::EndPage() {
  ++pages_;
  return dc_->ShowPage();
}

bool PdfPrintTarget::Finish() { return dc_->Finish(); }

}  // namespace pf
