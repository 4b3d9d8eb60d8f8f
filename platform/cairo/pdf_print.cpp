#include "pf/pdf_print.h"

namespace pf {
namespace {

// A4 in points.
constexpr double kA4Width = 595.2756;
constexpr double kA4Height = 841.8898;

}  // namespace

std::unique_ptr<PdfPrintTarget> PdfPrintTarget::Create(const std::string& path) {
  std::unique_ptr<CairoDc> dc = CairoDc::CreatePdfPages(path, kA4Width, kA4Height, kDotsPerInch);
  if (!dc) return nullptr;
  return std::unique_ptr<PdfPrintTarget>(new PdfPrintTarget(std::move(dc)));
}

bool PdfPrintTarget::EndPage() {
  ++pages_;
  return dc_->ShowPage();
}

bool PdfPrintTarget::Finish() { return dc_->Finish(); }

}  // namespace pf
