#pragma once
// A recording context whose texts have the extents they have on the Cairo surfaces: drawing
// code that places texts by their extents records the places they take on the screen.

#include <memory>

#include "pf/cairo_dc.h"
#include "pf/recording_dc.h"

namespace pf {

class CairoRecordingDc : public RecordingDc {
 public:
  CairoRecordingDc();
  ~CairoRecordingDc() override;

 protected:
  Size DoTextExtent(std::string_view text) const override;

 private:
  std::unique_ptr<CairoDc> measure_;
};

}  // namespace pf
