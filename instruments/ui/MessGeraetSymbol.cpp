#include "instruments/ui/MessGeraetSymbol.h"

#include <string>

#include "basics/VS_Error.h"
#include "pf/archive.h"
#include "pf/document.h"
#include "pf/view.h"
#include "basics/IntegerWert.h"
#include "instruments/ui/ScrnWindow.h"
#include "simulator/NetContext.h"
#include "simulator/NetElement.h"
#include "simulator/NetlistName.h"
#include "simulator/UsrDefNet.h"

PF_IMPLEMENT_RUNTIME(MessGeraetSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_RUNTIME(MessMasterSymbol, MessGeraetSymbol, 1)

MessGeraetSymbol::MessGeraetSymbol() = default;

MessGeraetSymbol::MessGeraetSymbol(const Point& start, const Point& end)
    : ZweiPolSymbol(start, end) {}

MessGeraetSymbol::~MessGeraetSymbol() = default;

void MessGeraetSymbol::Serialize(pf::Archive& ar) {
  ZweiPolSymbol::Serialize(ar);
  if (ar.IsStoring() && collecting) {
    // A circuit saved while a run goes: nothing of the run is a result yet.
    CmplxSignal().Serialize(ar);
  } else {
    signal.Serialize(ar);
  }
  slaveName.Serialize(ar);
  if (ar.IsStoring()) {
    ar << active << freshScreen;
  } else {
    ar >> active >> freshScreen;
  }
}

void MessGeraetSymbol::AppendNetworkHeader(LineFile& lines) const {
  const MyStrng header = GetNetHeader();
  if (!header.IsEmpty()) lines.AddLine(header);
}

NetElement* MessGeraetSymbol::FindElement(const MyStrng& name) const {
  return attachedNet != nullptr ? attachedNet->FindElement(name) : nullptr;
}

void MessGeraetSymbol::HideWindow() {
  if (window && window->IsOpen()) window->ShowWindow(false);
}

void MessGeraetSymbol::DestroyWindow() {
  if (!window) return;
  window->DestroyWindow();
  window.reset();
}

void MessGeraetSymbol::SetResultTitles(const MyStrng& title, const MyStrng& date) {
  resultTitle = title;
  resultDate = date;
}

MyStrng MessGeraetSymbol::GetResultCaption() const {
  // Files older than the stored titles: the loaded result is the circuit's.
  if (resultTitle.IsEmpty() && resultDate.IsEmpty()) {
    return ShowsSpiceResult() ? RunCaption(true, NetworkTitle(), "") : NetworkTitle();
  }
  return RunCaption(ShowsSpiceResult(), resultTitle, resultDate);
}

MyStrng CircuitTitle(const pf::View* view) {
  if (view == nullptr || view->GetDocument() == nullptr) return "Netzwerk";
  return NetworkName(view->GetDocument()->GetTitle());
}

MyStrng MessGeraetSymbol::NetworkTitle() const { return CircuitTitle(view); }

void MessGeraetSymbol::StartCollecting(const InstrumentRole& master) {
  const auto* run = dynamic_cast<const MessMasterSymbol*>(&master);
  if (run == nullptr) return;
  signal.Realloc(run->masterSignal.GetSize());
  signal.df = run->masterSignal.df;
  signal.cursor = 0;
  SetResultTitles(MyStrng(), MyStrng());
  runTitle = NetworkTitle();
  runDate = RunTimeStamp();
  collecting = true;
}

bool MessGeraetSymbol::EndCollecting(bool keepReached) {
  if (!collecting) return false;
  collecting = false;
  const int32_t reached = signal.cursor;
  if (reached < signal.GetSize()) {
    if (!keepReached || reached == 0) {
      signal = CmplxSignal();
      return false;
    }
    signal.KeepLinesBeforeCursor();
  }
  SetResultTitles(runTitle, runDate);
  return true;
}

void MessGeraetSymbol::CollectValue(InstrumentRole& master, bool realPartOnly) {
  auto* source = dynamic_cast<MessGeraetSymbol*>(&master);
  const NetElement* element = source != nullptr ? source->FindElement(elementName) : nullptr;
  if (element == nullptr) return;
  const auto* run = dynamic_cast<const MessMasterSymbol*>(&master);
  Cmplx value;
  if (run != nullptr && run->record != 0) {
    value = element->GetValue();
    if (realPartOnly) value = Cmplx(value.re, 0.0);
  }
  signal.SetAtCursor(value);
  signal.NextIndex();
}

void MessGeraetSymbol::WriteVoltmeterLine(const ResWert& ri) {
  netLine = MyStrng("MUME ") + IntegerWert(nodes[0]) + " " + " R= " + ri + " " + "U" + " " +
            elementName;
}

void MessGeraetSymbol::WriteLoadSpiceLine(LineFile& lines, const ResWert& ri) {
  ZweiPolSymbol::WriteSpiceLines(lines, 0);
  lines.AddLine(MyStrng("R") + netLine + " " + ri.ToSpice());
}

void MessGeraetSymbol::ReadLetter(pf::Archive& ar, char& letter, const char* allowed,
                                  const char* what) {
  ar >> letter;
  for (const char* a = allowed; *a != '\0'; ++a) {
    if (*a == letter) return;
  }
  throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                         std::string(what) + " '" + letter + "'");
}

MessMasterSymbol::MessMasterSymbol() : MessMasterSymbol(Point(25, 100), Point(150, 100)) {}

MessMasterSymbol::MessMasterSymbol(const Point& start, const Point& end)
    : MessGeraetSymbol(start, end) {
  sweep.SetStart(1e9);
  sweep.SetStop(2e10);
  sweep.SetCount(51);
  sweep.Prepare();
  reader.SetSweep(sweepPointer);
  NetContext::SetReaderInUse(&reader);
}

MyStrng MessMasterSymbol::SpiceSource(const MyStrng& driving) const {
  return DrivesSpice() ? driving : MyStrng("DC 0");
}

int MessMasterSymbol::WriteSourceBehind(LineFile& lines, int lastNode, const MyStrng& source,
                                        const WertMitDim& resistance) const {
  const MyStrng inner = IntegerWert(lastNode + 1);
  const MyStrng low = pinCount == 2 ? MyStrng(IntegerWert(nodes[1])) : MyStrng("0");
  lines.AddLine(MyStrng("V") + elementName + " " + inner + " " + low + " " + SpiceSource(source));
  lines.AddLine(MyStrng("R") + elementName + " " + IntegerWert(nodes[0]) + " " + inner + " " +
                resistance.ToSpice());
  return 1;
}

UsrDefNet* MessMasterSymbol::AttachDrivenNet() {
  const int nets = reader.GetUsrNetCount();
  // A nonlinear network is the circuit's own, which only the DC run solves; the last linear one
  // is then a sub-circuit's, which the run never reaches, even where a source in it bears the
  // generator's name.
  UsrDefNet* top =
      nets > 0 && reader.GetNonLinearNetCount() == 0 ? reader.GetUsrNet(nets - 1) : nullptr;
  attachedNet = top != nullptr && top->FindElement(elementName) != nullptr ? top : nullptr;
  return attachedNet;
}

MessMasterSymbol::~MessMasterSymbol() {
  // Elements parsed later must not reach a reader that is gone.
  if (NetContext::ReaderInUse() == &reader) NetContext::SetReaderInUse(nullptr);
}

void MessMasterSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  simulatorName.Serialize(ar);
}

int MessMasterSymbol::RunAnalysis(const LineFile& lines) {
  if (networkReady != 0) return 1;
  attachedNet = nullptr;
  if (firstRun != 0) {
    firstRun = 0;
  } else {
    reader.Reset();
  }
  reader.SetLines(lines);
  NetContext::SetReaderInUse(&reader);
  // The reader's own count decides; what was queued before the run stays reported.
  if (!reader.CheckSyntax()) {
    reader.SetLines(LineFile());
    return 0;
  }
  reader.ReadBlocks();
  if (reader.GetErrorCode() != 0) {
    reader.Reset();
    return 0;
  }
  reader.BuildDataObjects();
  reader.BuildNets();
  networkReady = reader.GetErrorCode() == 0 ? 1 : 0;
  return networkReady;
}
