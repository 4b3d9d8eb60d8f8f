#include "instruments/ui/generators/DataGeneratorSymbol.h"

#include "basics/IntegerWert.h"
#include "pf/archive.h"
#include "resources/Bitmaps.h"
#include "resources/SourceIds.h"

PF_IMPLEMENT_SERIAL(DataGeneratorSymbol, MessMasterSymbol, 1)

namespace {

// A PWL source line is continued once it is longer than this.
constexpr int32_t kLineLength = 64;

}  // namespace

DataGeneratorSymbol::DataGeneratorSymbol()
    : DataGeneratorSymbol(Point(25, 100), Point(150, 100)) {}

DataGeneratorSymbol::DataGeneratorSymbol(const Point& start, const Point& end)
    : SpectrumSource(start, end) {
  classKey = kClassKey;
  elementName = "DataGen";
  sequence.Randomize(bitCount);
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(datagen_ids::kBitmap));
  SetupTransient();
}

void DataGeneratorSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  resistance.Serialize(ar);
  amplitude.Serialize(ar);
  sequence.Serialize(ar);
  if (ar.IsStoring()) {
    ar << sampleCount << bitCount;
  } else {
    int32_t n = 0;
    int32_t bits = 0;
    ar >> n >> bits;
    if (n < 2 || n > kSampleLimit || bits < 1 || bits > kBitLimit) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                             "DataGen: " + std::to_string(n) + " Abtastwerte, " +
                                 std::to_string(bits) + " Bits");
    }
    sampleCount = n;
    bitCount = bits;
  }
  SetupTransient();
}

double DataGeneratorSymbol::BitRate() const { return lumped::UsableValue(sequence.bitRate); }

void DataGeneratorSymbol::SetupTransient() {
  simulatorName = "TranAna";
  const double rate = BitRate();
  const double tb = rate > 0.0 ? 1.0 / rate : 0.0;
  tranStop = PreciseTime((sequence.bitCount + 1) * tb);
  tranStep = PreciseTime(0.05 * tb);
  tranMaxStep = tranStep;
  tranStart = PreciseTime(0.0);
}

void DataGeneratorSymbol::StepSamples(int delta) {
  const int32_t bits = sequence.bitCount > 0 ? sequence.bitCount : 1;
  if (delta < 1) {
    if (sampleCount < kMaxSamples) sampleCount *= 2;
  } else if (sampleCount > 2 && sampleCount / bits > 1) {
    sampleCount /= 2;
  }
}

void DataGeneratorSymbol::StepBitCount(int delta) {
  const int32_t bits = sequence.bitCount > 0 ? sequence.bitCount : 1;
  if (delta < 1) {
    if (bitCount < kMaxBits && sampleCount / bits > 1) bitCount *= 2;
  } else if (bitCount > 2) {
    bitCount /= 2;
  }
  sequence.Randomize(bitCount);
}

void DataGeneratorSymbol::WriteSpiceControl(LineFile& lines) {
  if (active == 0) return;
  lines.AddLine(MyStrng(".TRAN ") + tranStep.ToSpice() + " " + tranStop.ToSpice() + " " +
                tranStart.ToSpice() + " " + tranMaxStep.ToSpice());
}

void DataGeneratorSymbol::WritePoints(LineFile& lines, MyStrng& line) const {
  const double rate = BitRate();
  const double tb = rate > 0.0 ? 1.0 / rate : 0.0;
  const double tr = 0.1 * tb;
  const MyStrng high = amplitude.ToSpice();
  auto point = [&line, &high](double t, bool up) {
    line += SpiceTime(t) + " " + (up ? high : MyStrng("0.0 ")) + " ";
  };
  const int32_t bits = sequence.bitCount;
  point(0.0, false);
  if (sequence.Bit(0)) point(tr, true);
  double t = tb;
  for (int32_t i = 1; i <= bits - 2; ++i) {
    const bool p = sequence.Bit(i - 1);
    const bool b = sequence.Bit(i);
    if (p && !b) point(t - tr, true), point(t, false);
    if (!p && b) point(t, false), point(t + tr, true);
    t += tb;
    if (line.GetLength() > kLineLength) {
      lines.AddLine(line);
      line = "+ ";
    }
  }
  if (bits < 2) {
    // A single bit: a high one ends with its bit time.
    if (sequence.Bit(0)) point(tb - tr, true), point(tb, false);
    return;
  }
  const bool p = sequence.Bit(bits - 2);
  const bool b = sequence.Bit(bits - 1);
  if (b && p) {
    t += tb;
    point(t - tr, true), point(t, false);
  } else if (b) {
    point(t, false), point(t + tr, true);
    t += tb;
    point(t - tr, true), point(t, false);
  } else if (p) {
    point(t - tr, true), point(t, false);
  }
}

int DataGeneratorSymbol::WriteSpiceLines(LineFile& lines, int flag) {
  if (!DrivesSpice()) return WriteSourceBehind(lines, flag, MyStrng(), resistance);
  // The source sits behind its internal resistance, as in the built-in simulator.
  const MyStrng inner = IntegerWert(flag + 1);
  const MyStrng low = pinCount != 2 ? MyStrng("0") : MyStrng(IntegerWert(nodes[1]));
  MyStrng line = MyStrng("V") + elementName + " " + inner + " " + low + " " + "PWL ( ";
  WritePoints(lines, line);
  line += " )";
  lines.AddLine(line);
  lines.AddLine(MyStrng("R") + elementName + " " + IntegerWert(nodes[0]) + " " + inner + " " +
                resistance.ToSpice());
  return 1;
}

int DataGeneratorSymbol::StartRun() {
  RealSignal wave = sequence.ToRealSignal(sampleCount);
  const float scale = amplitude.Value();
  for (int32_t i = 0; i < wave.GetSize(); ++i) wave[i] *= scale;
  masterSignal.SetFromRealSignal(wave);
  const int lines = FeedFirstLine();
  return lines == 0 ? 0 : sampleCount / 2;
}
