#include "instruments/ui/generators/SignalGenSymbol.h"

#include <cmath>
#include <limits>
#include <tuple>

#include "basics/IntegerWert.h"
#include "editor/symbols/StoredValues.h"
#include "elements/lumped/LumpedSupport.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "instruments/ui/generators/SignalGenDialog.h"
#include "pf/archive.h"
#include "simulator/UsrDefNet.h"

PF_IMPLEMENT_SERIAL(SignalGenSymbol, MessMasterSymbol, 1)

namespace {

MyStrng Node(int32_t node) { return IntegerWert(node); }

bool Finite(double hz) { return std::isfinite(hz); }

}  // namespace

SignalGenSymbol::SignalGenSymbol() : SignalGenSymbol(Point(25, 100), Point(150, 100)) {}

SignalGenSymbol::SignalGenSymbol(const Point& start, const Point& end)
    : MessMasterSymbol(start, end) {
  elementName = "SigGen";
  classKey = kClassKey;
  pinCount = 1;
  length = 60;
  breadth = 40;
  active = 1;
  sweep.SetStart(1000.0);
  sweep.SetStop(20000.0);
  sweep.SetCount(51);
  sweep.mode = 'L';
  sweep.Prepare();
}

void SignalGenSymbol::Serialize(pf::Archive& ar) {
  ZweiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(resistance, voltage));
  if (ar.IsStoring()) {
    ar << sweep.start << sweep.stop << sweep.count << sweep.mode;
    return;
  }
  double start = 0.0;
  double stop = 0.0;
  int32_t count = 0;
  char mode = 0;
  ar >> start >> stop >> count >> mode;
  if (!Finite(start) || !Finite(stop) || count < 1 || count > SweepFreq::kMaxCount ||
      (mode != 'L' && mode != 'E')) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "SignalGenSymbol: Frequenzdurchlauf");
  }
  sweep.SetStart(start);
  sweep.SetStop(stop);
  sweep.SetCount(count);
  sweep.previousMode = sweep.mode;
  sweep.mode = mode;
}

void SignalGenSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawName(dc);
}

int SignalGenSymbol::WriteSpiceLines(LineFile& lines, int lastNode) {
  return WriteSourceBehind(lines, lastNode, MyStrng("AC ") + voltage.ToSpice(), resistance);
}

MyStrng SignalGenSymbol::AcCard() const {
  MyStrng card = ".AC";
  long points = sweep.count;
  if (sweep.mode == 'L') {
    card += " LIN ";
  } else if (sweep.mode == 'E') {
    card += " DEC ";
    // Per decade; a range of no decade (start = stop) or none at all (start <= 0) keeps the
    // count rather than dividing by zero.
    const double decades = sweep.start > 0.0 ? std::log10(sweep.stop / sweep.start) : 0.0;
    if (std::isfinite(decades) && decades > 0.0) {
      const double perDecade = std::trunc(sweep.count / decades);
      points = perDecade < 1.0 ? 1 : static_cast<long>(perDecade);
    }
  }
  return card + IntegerWert(points) + " " + lumped::SpiceNumber<FreqWert>(sweep.start) + " " +
         lumped::SpiceNumber<FreqWert>(sweep.stop);
}

void SignalGenSymbol::WriteSpiceControl(LineFile& lines) {
  if (active != 0) lines.AddLine(AcCard());
}

bool SignalGenSymbol::EditDialog(pf::Window* parent) {
  SignalGenDialog dialog(this, parent);
  return dialog.DoModal() == pf::kIdOk;
}

void SignalGenSymbol::WriteNetLine() {
  netLine = MyStrng("UQU ") + Node(nodes[0]) + " U= " + voltage + " R= " + resistance + " " +
            elementName;
}

MyStrng SignalGenSymbol::GetNetHeader() const {
  if (active == 0) return MyStrng();
  return NetworkTitle() + ": 1POR " + Node(nodes[0]) + " ";
}

int SignalGenSymbol::StartRun() {
  if (networkReady == 0 || AttachDrivenNet() == nullptr) return 0;
  // Here rather than at the Start button: a start that is refused leaves a running sweep alone.
  sweep.Prepare();
  // Another generator of the circuit is idle: 0 V behind its internal resistance.
  reader.DriveOnly(elementName);
  reader.ComputeAt(static_cast<float>(sweep.current));
  return sweep.count;
}

void SignalGenSymbol::MeasureStep(InstrumentRole& master) {
  // Another master's run hands every instrument its point; a generator only steps its own.
  if (&master != static_cast<InstrumentRole*>(this)) return;
  const int more = sweep.NextPoint();
  reader.ComputeAt(static_cast<float>(sweep.current));
  if (more == 0 || reader.GetErrorCode() != 0) EndGeneratorRun(*this);
}
