#include "instruments/ui/OsziSymbol.h"

#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceManager.h"
#include "editor/symbols/StoredValues.h"
#include "instruments/ui/OsziDialog.h"
#include "instruments/ui/ScreenDialog.h"
#include "instruments/ui/SpiceVoltages.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/SpectrumSource.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"
#include "resources/ScopeIds.h"

PF_IMPLEMENT_SERIAL(OsziSymbol, MessGeraetSymbol, 1)

namespace {

constexpr double kDefaultDataRate = 1e9;

bool SameTimes(const RVektor& a, const RVektor& b) {
  if (a.GetSize() != b.GetSize()) return false;
  for (int32_t i = 0; i < a.GetSize(); ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

OsziSymbol::OsziSymbol() : OsziSymbol(Point(25, 100), Point(150, 100)) {}

OsziSymbol::OsziSymbol(const Point& start, const Point& end) : MessGeraetSymbol(start, end) {
  pinCount = 1;
  elementName = "Oszi";
  classKey = kClassKey;
  version = kVersion;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(oszi_ids::kBitmap));
}

void OsziSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(ri));
  keptDiagram.Serialize(ar);
  timeSignal.Serialize(ar);
  if (ar.IsStoring()) {
    ar << display << source;
  } else {
    ReadLetter(ar, display, "ZA", "OsziSymbol: Buchstabe");
    ReadLetter(ar, source, "RS", "OsziSymbol: Buchstabe");
  }
  if (source == 'R') {
    timeSignal.Serialize(ar);
  } else {
    spiceValues.Serialize(ar);
    spiceTimes.Serialize(ar);
  }
  SerializeResultTitles(ar, *this, kVersion);
}

void OsziSymbol::Draw(pf::Dc& dc) { DrawBitmapInstrument(*this, dc); }

void OsziSymbol::WriteNetLine() { WriteVoltmeterLine(ri); }

void OsziSymbol::BeginMeasurement(InstrumentRole& master) {
  dataChanged = 1;
  source = 'R';
  spiceValues = RVektor();
  spiceTimes = RVektor();
  // Like a SPICE result, an earlier run's signal is no longer what the screen stands for.
  timeSignal = RealSignal();
  StartCollecting(master);
}

void OsziSymbol::MeasureStep(InstrumentRole& master) { CollectValue(master, false); }

void OsziSymbol::EndMeasurement() {
  // The transform of the lines a stopped run reached would be a smoothed pattern, not the
  // node's voltage. Not the data-changed flag decides: the window clears it, also mid-run.
  if (EndCollecting(false)) timeSignal = signal.ToRealSignal();
  dataChanged = 0;
}

void OsziSymbol::ReadSpiceResults(SpiceManager& result) {
  if (!result.IsTransientResult()) return;
  spiceValues = NodeVoltageOrZeros(result, nodes[0]);
  const RVektor previous = spiceTimes;
  spiceTimes = result.GetScaleVector();
  if (!SameTimes(previous, spiceTimes)) dataChanged = 1;
  source = 'S';
  SetResultTitles(result.GetTitle(), result.GetDate());
}

bool OsziSymbol::EditDialog(pf::Window* parent) {
  OsziDialog dialog(this, DialogOwner(parent));
  if (dialog.DoModal() == pf::kIdOk) freshScreen = 0;
  dataChanged = 0;
  return true;
}

double OsziSymbol::DataRate() const {
  auto* v = dynamic_cast<CVostraneView*>(view);
  CVostraneDoc* doc = v != nullptr ? v->GetDocument() : nullptr;
  const auto* generator =
      doc != nullptr ? dynamic_cast<const DataGeneratorSymbol*>(doc->FindActiveInstrument())
                     : nullptr;
  if (generator == nullptr) return kDefaultDataRate;
  RBitWert rate = generator->sequence.bitRate;
  return rate.Value();
}
