#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"

#include "basics/IntegerWert.h"
#include "instruments/ui/generators/SpectrumSource.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"
#include "resources/SourceIds.h"

namespace {

bool IsWaveform(char c) { return c == 'S' || c == 'R' || c == 'D' || c == 'I'; }

MyStrng PreciseVolts(double volts) { return PreciseSpice<SpanWert>(volts) + "V"; }

}  // namespace

ImpulsGeneratorSymbol::ImpulsGeneratorSymbol()
    : ImpulsGeneratorSymbol(Point(25, 100), Point(150, 100)) {}

ImpulsGeneratorSymbol::ImpulsGeneratorSymbol(const Point& start, const Point& end)
    : MessMasterSymbol(start, end) {
  pinCount = 1;
  classKey = kClassKey;
  elementName = "ImpG";
  active = 1;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(impuls_ids::kBitmap));
  simulatorName = "TranAna";
  tranStart = PreciseTime(0.0);
  SetupTransient();
}

void ImpulsGeneratorSymbol::Serialize(pf::Archive& ar) {
  MessMasterSymbol::Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<int8_t>(waveform);
  } else {
    int8_t w = 0;
    ar >> w;
    if (!IsWaveform(static_cast<char>(w))) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                             "ImpG: Signalform " + std::to_string(w));
    }
    waveform = static_cast<char>(w);
  }
  for (MyStrng* value : std::initializer_list<MyStrng*>{
           &offset, &amplitude, &frequency, &reservedNumber, &reservedFrequency, &reservedTime,
           &tranStop, &tranStep, &tranMaxStep, &tranStart}) {
    value->Serialize(ar);
  }
}

void ImpulsGeneratorSymbol::Draw(pf::Dc& dc) { DrawBitmapInstrument(*this, dc); }

double ImpulsGeneratorSymbol::Frequency() const { return lumped::UsableValue(frequency); }

bool ImpulsGeneratorSymbol::SetupTransient() {
  const double f = Frequency();
  if (f == 0.0) return false;
  tranStop = PreciseTime(5.0 / f);
  tranStep = PreciseTime(0.05 / f);
  tranMaxStep = tranStep;
  return true;
}

void ImpulsGeneratorSymbol::WriteSpiceControl(LineFile& lines) {
  if (active == 0) return;
  lines.AddLine(MyStrng(".TRAN ") + tranStep.ToSpice() + " " + tranStop.ToSpice() + " " +
                tranStart.ToSpice() + " " + tranMaxStep.ToSpice());
}

MyStrng ImpulsGeneratorSymbol::SourceText() {
  const double f = Frequency();
  const double period = f > 0.0 ? 1.0 / f : 0.0;
  const MyStrng a = amplitude.ToSpice();
  if (waveform == 'S') {
    return MyStrng("SIN(") + offset.ToSpice() + " " + a + " " + frequency.ToSpice() + ")";
  }
  if (waveform == 'I') {
    return MyStrng("PWL( 0.0 ") + a + " " + SpiceTime(period) + " " + a + " " +
           SpiceTime(1.001 * period) + " " + "0.0)";
  }
  const double o = offset.Value();
  const double amp = amplitude.Value();
  lowLevel = SpanWert(PreciseVolts(o - amp));
  highLevel = SpanWert(PreciseVolts(o + amp));
  const MyStrng levels = lowLevel.ToSpice() + " " + highLevel.ToSpice();
  if (waveform == 'R') {
    return MyStrng("PULSE( ") + levels + " " + SpiceTime(period / 2) + " 0.0 0.0 " +
           SpiceTime(period / 2) + " " + SpiceTime(period) + ")";
  }
  return MyStrng("PULSE(") + levels + " 0.0 " + SpiceTime(period / 2) + " " +
         SpiceTime(0.499 * period) + " " + SpiceTime(0.001 * period) + " " +
         SpiceTime(period) + ")";
}

void ImpulsGeneratorSymbol::WriteNetLine() {
  netLine = "RES";
  NetSymbol::WriteNetLine();
  if (netLine == "RES") {
    netLine.Clear();
  } else {
    netLine += " R = 0ohm";
  }
}

int ImpulsGeneratorSymbol::WriteSpiceLines(LineFile& lines, int /*flag*/) {
  const MyStrng nodes2 =
      pinCount != 2 ? MyStrng(" 0 ") : MyStrng(" ") + IntegerWert(nodes[1]) + " ";
  const MyStrng source = SpiceSource(DrivesSpice() ? SourceText() : MyStrng());
  lines.AddLine(MyStrng("V") + elementName + " " + IntegerWert(nodes[0]) + nodes2 + source);
  return 0;
}
