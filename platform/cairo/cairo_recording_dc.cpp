#include "pf/cairo_recording_dc.h"

namespace pf {

CairoRecordingDc::CairoRecordingDc() : measure_(CairoDc::CreateImage(1, 1)) {}

CairoRecordingDc::~CairoRecordingDc() = default;

Size CairoRecordingDc::DoTextExtent(std::string_view text) const {
  measure_->SelectObject(GetFont());
  return measure_->GetTextExtent(text);
}

}  // namespace pf
