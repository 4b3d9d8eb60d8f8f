#pragma once
// Printing into pictures for the print preview: the pages of the PDF target, in its device
// units, drawn smaller on image surfaces.

#include <memory>

#include "pf/cairo_dc.h"
#include "pf/print.h"

namespace pf {

class PicturePrintTarget : public PreviewTarget {
 public:
  // Pages pictured as large as fits in box pixels; the picture of page keep is kept. nullptr
  // for a box too small or too large for a picture.
  static std::unique_ptr<PicturePrintTarget> Create(Size box, int keep);

  Dc& GetDc() override { return *dc_; }
  Size PageSize() const override { return {dc_->Width(), dc_->Height()}; }
  bool EndPage() override;
  bool Finish() override { return dc_->Finish(); }
  int Pages() const override { return pages_; }
  const Bitmap& Picture() const override { return picture_; }

 private:
  PicturePrintTarget(std::unique_ptr<CairoDc> dc, int keep) : dc_(std::move(dc)), keep_(keep) {}

  std::unique_ptr<CairoDc> dc_;
  int keep_;
  int pages_ = 0;
  Bitmap picture_;
};

}  // namespace pf
