#include "instruments/ui/generators/SpectrumSource.h"

#include <cmath>
#include <cstdio>

#include "basics/IntegerWert.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "pf/dc.h"
#include "simulator/UsrDefNet.h"

SpectrumSource::SpectrumSource(const Point& start, const Point& end)
    : MessMasterSymbol(start, end) {
  pinCount = 1;
  active = 1;
}

void DrawBitmapInstrument(MessGeraetSymbol& symbol, pf::Dc& dc) {
  symbol.ZweiPolSymbol::Draw(dc);
  symbol.DrawName(dc);
  if (!symbol.bitmap || symbol.bitmap->IsEmpty()) return;
  // An instrument's face is never upside down: lying either way the picture stays as drawn,
  // standing it takes the same quarter turn whichever way the symbol points.
  const bool upright = symbol.orientation == 'O' || symbol.orientation == 'U';
  const pf::Bitmap turned =
      upright ? MultiPolSymbol::Turned(*symbol.bitmap, 'O') : *symbol.bitmap;
  dc.BitBlt(symbol.centre.x - turned.Width() / 2, symbol.centre.y - turned.Height() / 2,
            turned.Width(), turned.Height(), turned, 0, 0);
}

void SpectrumSource::Draw(pf::Dc& dc) { DrawBitmapInstrument(*this, dc); }

void SpectrumSource::WriteNetLine() {
  netLine = MyStrng("UQU ") + IntegerWert(nodes[0]) + " " + " U= " + amplitude + " R= " +
            resistance + " " + elementName;
}

MyStrng SpectrumSource::GetNetHeader() const {
  if (active == 0) return MyStrng();
  return NetworkTitle() + ": " + "1POR " + IntegerWert(nodes[0]) + " ";
}

int SpectrumSource::FeedFirstLine() {
  masterSignal.cursor = 0;
  if (networkReady == 0 || AttachDrivenNet() == nullptr) return 0;
  record = 1;
  const Cmplx line = masterSignal.GetSize() > 0 ? masterSignal[0] : Cmplx();
  if (line.Abs() == 0.0) record = 0;
  reader.SetSourceVoltage(elementName, line);
  if (record != 0) reader.ComputeAt(0.0f);
  return masterSignal.GetSize();
}

void SpectrumSource::MeasureStep(InstrumentRole& master) {
  // Another master's run hands every instrument its point; a source only steps its own.
  if (&master != static_cast<InstrumentRole*>(this)) return;
  record = 1;
  masterSignal.NextIndex();
  if (masterSignal.cursor >= masterSignal.GetSize()) {
    EndGeneratorRun(*this);
    return;
  }
  const Cmplx line = masterSignal[masterSignal.cursor];
  reader.SetSourceVoltage(elementName, line);
  if (line.Abs() != 0.0) {
    reader.ComputeAt(static_cast<float>(masterSignal.cursor * masterSignal.df));
  } else {
    record = 0;
  }
}

void SpectrumSource::StartFromDialog(pf::Dialog& dialog, unsigned periodMs, int steps) {
  StartGeneratorRun(*this, dialog, steps, periodMs);
}

TimWert PreciseTime(double seconds) {
  if (seconds == 0.0 || !std::isfinite(seconds)) return TimWert("0Sec");
  TimWert rough(seconds);
  const double factor = rough.UnitFactor();
  char number[48];
  std::snprintf(number, sizeof number, "%.9g", factor > 0.0 ? seconds / factor : seconds);
  return TimWert(MyStrng(number) + rough.GetDimension());
}
