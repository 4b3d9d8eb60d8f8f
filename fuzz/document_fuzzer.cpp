// Loads arbitrary bytes as a circuit file. A load either fails as a whole or gives a circuit
// that draws, lays out as a photoplot, and saves to a file that loads again and saves to the
// same bytes.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/startup/RegisterAll.h"
#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/DocumentDrawing.h"
#include "editor/document/GerberDocument.h"
#include "pf/archive.h"
#include "pf/recording_dc.h"

namespace {

bool Load(CVostraneDoc& doc, const std::string& bytes) {
  std::istringstream in(bytes);
  try {
    pf::Archive ar(in);
    doc.Serialize(ar);
  } catch (const pf::ArchiveError&) {
    return false;
  }
  return true;
}

std::string Save(CVostraneDoc& doc) {
  std::ostringstream out;
  pf::Archive ar(out);
  doc.Serialize(ar);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    RegisterAll();
    return true;
  }();
  (void)registered;
  VS_Error::ResetQueue();
  CVostraneDoc doc;
  if (!Load(doc, std::string(reinterpret_cast<const char*>(data), size))) {
    if (doc.Symbols().GetCount() != 0) __builtin_trap();
    return 0;
  }
  const std::string saved = Save(doc);
  CVostraneDoc again;
  if (!Load(again, saved) || Save(again) != saved) __builtin_trap();
  pf::RecordingDc dc;
  DrawDocument(doc, dc, 'S');
  GerberDocument plot;
  doc.Symbols().ForEach([&plot](NetSymbol* s) { plot.AddSymbol(s); });
  plot.CreatePlot();
  return 0;
}
