#include "instruments/ui/SpecAnaSymbol.h"

#include <cmath>

#include "basics/IntegerWert.h"
#include "editor/document/SpiceManager.h"
#include "editor/symbols/StoredValues.h"
#include "instruments/ui/SpecAnaDialog.h"
#include "instruments/ui/ScreenDialog.h"
#include "instruments/ui/SpiceVoltages.h"
#include "instruments/ui/generators/SpectrumSource.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"
#include "resources/ScopeIds.h"

PF_IMPLEMENT_SERIAL(SpecAnaSymbol, MessGeraetSymbol, 1)

namespace {

constexpr double kFloor = 1e-25;
constexpr double kFloorLevel = -250.0;

// factor * log10 of the ratio; kFloorLevel for what is too small to show.
double Level(double ratio, double factor) {
  return std::isfinite(ratio) && ratio > kFloor ? factor * std::log10(ratio) : kFloorLevel;
}

}  // namespace

SpecAnaSymbol::SpecAnaSymbol() : SpecAnaSymbol(Point(25, 100), Point(150, 100)) {}

SpecAnaSymbol::SpecAnaSymbol(const Point& a, const Point& b) : MessGeraetSymbol(a, b) {
  pinCount = 1;
  elementName = "SpecAna";
  classKey = kClassKey;
  version = kVersion;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(specana_ids::kBitmap));
}

void SpecAnaSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(ri, start, stop));
  keptDiagram.Serialize(ar);
  if (ar.IsStoring()) {
    ar << spicePresent << levelMode << levelReference << curveStyle;
  } else {
    ar >> spicePresent;
    ReadLetter(ar, levelMode, "UP", "SpecAnaSymbol: Buchstabe");
    ar >> levelReference;
    if (!std::isfinite(levelReference) || !(levelReference > 0.0)) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "SpecAnaSymbol: Bezugspegel");
    }
    ReadLetter(ar, curveStyle, "LS", "SpecAnaSymbol: Buchstabe");
  }
  if (spicePresent != 0) {
    spiceSpectrum.Serialize(ar);
    spiceFrequencies.Serialize(ar);
    if (ar.IsLoading() && spiceSpectrum.GetSize() != spiceFrequencies.GetSize()) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "SpecAnaSymbol: Spektrum");
    }
  }
  SerializeResultTitles(ar, *this, kVersion);
}

void SpecAnaSymbol::Draw(pf::Dc& dc) { DrawBitmapInstrument(*this, dc); }

int SpecAnaSymbol::WriteSpiceLines(LineFile& lines, int) {
  WriteLoadSpiceLine(lines, ri);
  dataChanged = 0;
  return 0;
}

void SpecAnaSymbol::WriteNetLine() {
  netLine = MyStrng("SPEC ") + IntegerWert(nodes[0]) + " " + " RI= " + ri + " " + elementName;
}

void SpecAnaSymbol::BeginMeasurement(InstrumentRole& master) {
  const bool spiceFrame = spicePresent != 0;
  spicePresent = 0;
  spiceSpectrum = CVektor();
  spiceFrequencies = RVektor();
  StartCollecting(master);
  // The frame was the SPICE spectrum's, not the user's: it takes the run's lines instead.
  const int32_t n = signal.GetSize();
  if (spiceFrame && n > 1) {
    start = FreqWert(0.0);
    stop = FreqWert((n - 1) * signal.df);
  }
}

void SpecAnaSymbol::MeasureStep(InstrumentRole& master) { CollectValue(master, true); }

void SpecAnaSymbol::ReadSpiceResults(SpiceManager& result) {
  spicePresent = 1;
  if (!result.IsComplexResult()) {
    signal.SetFromTransient(VoltageBetween(result, nodes[0], nodes[1]), result.GetScaleVector());
    const int32_t m = signal.GetSize();
    spiceSpectrum.Realloc(m);
    spiceFrequencies.Realloc(m);
    for (int32_t k = 0; k < m; ++k) {
      // Single-sided amplitudes: every line but DC carries its mirror's half too.
      spiceSpectrum[k] = k == 0 ? signal[k] : signal[k] * 2.0;
      spiceFrequencies[k] = k * signal.df;
    }
    start = FreqWert(0.0);
    stop = FreqWert((m - 1) * signal.df);
  } else {
    spiceFrequencies = result.GetSweepVector();
    spiceSpectrum = ComplexVoltageBetween(result, nodes[0], nodes[1]);
    const int32_t n = spiceFrequencies.GetSize();
    if (n > 0) {
      start = FreqWert(spiceFrequencies[0]);
      stop = FreqWert(spiceFrequencies[n - 1]);
    }
    signal = spiceSpectrum;
    signal.df = n > 1 ? (spiceFrequencies[n - 1] - spiceFrequencies[0]) / (n - 1) : 0.0;
  }
  dataChanged = 1;
  SetResultTitles(result.GetTitle(), result.GetDate());
}

bool SpecAnaSymbol::EditDialog(pf::Window* parent) {
  SpecAnaDialog dialog(this, DialogOwner(parent));
  return dialog.DoModal() == pf::kIdOk;
}

const char* SpecAnaSymbol::LevelUnit() const {
  const bool milli = levelReference == 0.001;
  if (levelMode == 'P') return milli ? "dBm" : "dBW";
  return milli ? "dBmV" : "dBV";
}

double SpecAnaSymbol::SpiceLevel(const Cmplx& amplitude) {
  const double magnitude = amplitude.Abs();
  if (levelMode == 'P') {
    // The power of a peak amplitude in the input resistance.
    return Level(magnitude * magnitude / (2.0 * ri.Value()) / levelReference, 10.0);
  }
  return Level(magnitude / levelReference, 20.0);
}

double SpecAnaSymbol::LineLevel(const Cmplx& reading, int32_t k) {
  return Level(reading.Abs() * (k == 0 ? 2.0 : 4.0), 10.0);
}
