#include "instruments/ui/MultiMeterSymbol.h"

#include "basics/VS_Error.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "editor/document/SpiceManager.h"
#include "instruments/ui/MultiMeterDialog.h"
#include "instruments/ui/MultiMeterNewDialog.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "pf/view.h"
#include "resources/Bitmaps.h"
#include "simulator/NetElement.h"

PF_IMPLEMENT_SERIAL(MultiMeterSymbol, MessGeraetSymbol, 1)

namespace {

constexpr double kAmmeterResistance = 0.1;

}  // namespace

MultiMeterSymbol::MultiMeterSymbol() : MultiMeterSymbol(Point(25, 100), Point(150, 100)) {
  length = 80;
}

MultiMeterSymbol::MultiMeterSymbol(const Point& start, const Point& end)
    : MessGeraetSymbol(start, end) {
  elementName = "Mu";
  classKey = kClassKey;
  breadth = 40;
  length = 40;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(kBitmap));
}

void MultiMeterSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(ri));
  if (ar.IsStoring()) {
    ar << mode << display;
    return;
  }
  ReadLetter(ar, mode, "UI", "MultiMeterSymbol: Messart");
  ReadLetter(ar, display, "APKM", "MultiMeterSymbol: Anzeige");
}

void MultiMeterSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawName(dc);
  if (bitmap && bitmap->Width() > 0) {
    dc.BitBlt(centre.x - 7, centre.y - 7, bitmap->Width(), bitmap->Height(), *bitmap, 0, 0);
  }
  if (reading.IsEmpty()) return;
  // The reading goes under the body, where neither the name nor a wire is.
  const pf::Font old = dc.SelectObject(TheLabelFonts().horizontal);
  reading.DrawText(&dc, centre.x, centre.y + breadth / 2 + reading.GetTextHeight(&dc), 'C');
  dc.SelectObject(old);
}

int MultiMeterSymbol::WriteSpiceLines(LineFile& lines, int) {
  WriteLoadSpiceLine(lines, ri);
  dataChanged = 0;
  return 0;
}

bool MultiMeterSymbol::EditDialog(pf::Window* parent) {
  if (dataChanged != 0) return MultiMeterNewDialog(*this, parent).DoModal() == pf::kIdOk;
  MultiMeterDialog dialog(this, parent);
  return dialog.DoModal() == pf::kIdOk;
}

void MultiMeterSymbol::ReadSpiceResults(SpiceManager& source) {
  spiceReadings.Read(source, nodes[0], nodes[1], mode, ri.Value());
  abscissa = spiceReadings.abscissa;
  BuildSpiceTable();
  dataChanged = 1;
  // The reading under the symbol was a built-in run's.
  reading.Clear();
  if (view != nullptr) view->Invalidate();
}

void MultiMeterSymbol::WriteNetLine() {
  netLine = "MUME";
  ZweiPolSymbol::WriteNetLine();
  netLine += MyStrng(" R = ") + ri + " " + MyStrng(std::string(1, mode).c_str()) + " " +
             elementName;
}

void MultiMeterSymbol::MeasureStep(InstrumentRole& master) {
  auto* source = dynamic_cast<MessGeraetSymbol*>(&master);
  const NetElement* element = source != nullptr ? source->FindElement(elementName) : nullptr;
  if (element == nullptr) {
    blink = blink == 0 ? 1 : 0;
    reading = blink != 0 ? "Error" : "";
  } else {
    const double magnitude = element->GetValue().Abs();
    const MyStrng text =
        mode == 'I' ? MyStrng(StromWert(magnitude)) : MyStrng(SpanWert(magnitude));
    reading = WithoutLeadingBlanks(text).c_str();
    const auto* run = dynamic_cast<MessMasterSymbol*>(&master);
    if (mode == 'U' && run != nullptr && run->record != 0) log.AddLine(text);
  }
  if (view != nullptr) view->Invalidate();
}

void MultiMeterSymbol::BeginMeasurement(InstrumentRole&) {
  // The readings of a SPICE result are no longer the latest: the next edit sets the meter up.
  dataChanged = 0;
  log.RemoveAll();
  log.fileName = kLogFile;
}

void MultiMeterSymbol::EndMeasurement() {
  if (log.GetCount() == 0) return;
  if (!log.WriteFile()) {
    VS_Error().Error(MyStrng("Datei konnte nicht geschrieben werden: ") + log.fileName, 2);
  }
}

void MultiMeterSymbol::SetVoltmeter(double resistance) {
  mode = 'U';
  ri = ResWert(resistance);
}

void MultiMeterSymbol::SetAmmeter() {
  mode = 'I';
  ri = ResWert(kAmmeterResistance);
}
