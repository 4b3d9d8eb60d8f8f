#include "instruments/ui/TNetAnalyzer.h"

#include <cstring>
#include <fstream>
#include <string>

#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SymbolRoles.h"
#include "diagrams/graphics/DiagKurve.h"
#include "instruments/ui/NetAnaDialogs.h"
#include "pf/archive.h"
#include "pf/file_dialog.h"
#include "pf/input_file.h"
#include "pf/ui_services.h"
#include "pf/whole_file.h"
#include "simulator/PortMatrix.h"
#include "simulator/UsrDefNet.h"

namespace {

constexpr const char* kFormatWords[] = {"LogMag",   "LinMag",   "LinPhase", "LogPolar", "LinPolar",
                                        "RecPlane", "SmithDia", "LinReal",  "LinImag"};
constexpr const char* kMaxGainTitle = "MSG(K<1)/MAG(K>1)";

void Message(const MyStrng& text, const char* caption) {
  pf::TheUiServices().MessageBox(text.ToCString(), caption, pf::MsgButtons::Ok,
                                 pf::MsgIcon::None);
}

MyStrng LowerResistance(double ohms) {
  MyStrng text = ResWert(ohms);
  text.MakeLower();
  return text;
}

// Stands before the sweep's name, time and curve; no record that could follow the panel's in an
// older file (a symbol's class key) begins with it.
constexpr uint32_t kShownCurveMark = 0xFFFF414Eu;

void Refuse(const char* what) {
  throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, what);
}

}  // namespace

TNetAnalyzer::TNetAnalyzer(int templateId, pf::Window* parent, const char* kindName)
    : MeasInstView(templateId, parent, kindName), timeStamp(RunTimeStamp()) {
  sweep.SetStart(1e9);
  sweep.SetStop(2e10);
  sweep.SetCount(101);
  sweep.Prepare();
  previousMode = sweep.mode;
  reader.SetSweep(&sweep);
  NetContext::SetCurrentAnalyser(this);
}

TNetAnalyzer::~TNetAnalyzer() {
  // The simulator must not reach an analyser or a reader that is gone.
  if (NetContext::CurrentAnalyser() == this) NetContext::SetCurrentAnalyser(nullptr);
  if (NetContext::ReaderInUse() == &reader) NetContext::SetReaderInUse(nullptr);
}

void TNetAnalyzer::GetSelection(char& letter, int& i, int& j) const {
  letter = kind >= 0 && kind < 7 ? kKindLetters[kind] : 'S';
  if (format == kSmith && letter != 'S' && letter != 'R') letter = 'S';
  i = index < 2 ? 1 : 2;
  j = index % 2 == 0 ? 1 : 2;
}

MyStrng TNetAnalyzer::BuildCurveTitle(char letter, int i, int j) const {
  switch (letter) {
    case 'K': return "Stabilitätsfaktor K";
    case 'M': return kMaxGainTitle;
    case 'R':
      if (i == 1 && j == 1) return "Opt. Generatorreflexion";
      if (i == 2 && j == 2) return "Opt. Lastreflexion";
      pf::TheUiServices().Beep(pf::BeepKind::Default);
      return "Index 21 oder 12 nicht sinnvoll";
    case 'S':
      return MyStrng("S") + MyStrng(i) + MyStrng(j) + " " + "RG1=" + LowerResistance(rg1.re) +
             " RG2=" + LowerResistance(rg2.re);
    case 'V': return MyStrng("Spannungsverstärkung Vu") + " " + ResWert(rg2.re);
    case 'Y':
    case 'Z': return MyStrng(std::string(1, letter)) + MyStrng(i) + MyStrng(j) + " ";
    default: return MyStrng();
  }
}

MyStrng TNetAnalyzer::GetNetName() const {
  return network != nullptr ? network->GetName() : MyStrng("Unknown");
}

void TNetAnalyzer::PointValue(int point, bool withResults, float& x, float& y) const {
  char letter = 'S';
  int i = 1;
  int j = 1;
  GetSelection(letter, i, j);
  const float f = static_cast<float>(sweep.GetFrequency(point));
  if (!withResults) {
    const bool freqX = format <= kLinPhase || format >= kLinReal;
    x = freqX ? f : 0.0f;
    y = format == kLogMag || format == kLogPolar ? -200.0f : format == kSmith ? 1.0f : 0.0f;
    return;
  }
  Cmplx v;
  network->GetParameter(v, letter, i, j, point);
  // The maximum gain is a power ratio: its dB value is half that of the amplitude.
  const double dbScale = letter == 'M' ? 0.5 : 1.0;
  switch (format) {
    case kLogMag: x = f, y = static_cast<float>(v.Db() * dbScale); break;
    case kLinMag: x = f, y = static_cast<float>(v.Abs()); break;
    case kLinPhase: x = f, y = static_cast<float>(v.PhaseDeg()); break;
    case kLogPolar:
      x = static_cast<float>(v.PhaseDeg()), y = static_cast<float>(v.Db() * dbScale);
      break;
    case kLinPolar:
    case kSmith: x = static_cast<float>(v.PhaseDeg()), y = static_cast<float>(v.Abs()); break;
    case kRecPlane: x = static_cast<float>(v.re), y = static_cast<float>(v.im); break;
    case kLinReal: x = f, y = static_cast<float>(v.re); break;
    case kLinImag: x = f, y = static_cast<float>(v.im); break;
    default: x = f, y = 0.0f; break;
  }
}

void TNetAnalyzer::GetPointValue(float& x, float& y) const {
  PointValue(sweep.index, HasResults(), x, y);
}

bool TNetAnalyzer::RequestStart() {
  if (running != 0) return false;
  startRequested = 1;
  networkReady = 0;
  sweepReports = VS_ErrorMark();
  return true;
}

void TNetAnalyzer::OnStart() {
  auto* view = dynamic_cast<CVostraneView*>(GetOwner() != nullptr ? GetOwner() : GetParent());
  // A generator's run would lose its master to the analyser and never end.
  if (view != nullptr && view->Analysis().RefuseWhileBusy()) return;
  if (!RequestStart()) return;
  CVostraneDoc* doc = view != nullptr ? view->GetDocument() : nullptr;
  if (doc == nullptr) return;
  view->Analysis().ActivateInstrumentByWindow(this);
  // The sweep runs to its end within this command: the netlist is the analyser's while built.
  NetSymbol* own = nullptr;
  doc->ForEachInstrument([&](NetSymbol& s, const InstrumentRole& instrument) {
    if (instrument.GetInstrumentWindow() == this) own = &s;
  });
  doc->SetRunningInstrument(own);
  const bool built = doc->BuildNetlist(view);
  doc->SetRunningInstrument(nullptr);
  if (!built) return;
  Measure(doc->GetNetlistLines(), true);
}

void TNetAnalyzer::Measure(const LineFile& lines, bool curveKeys) {
  if (startRequested == 0) return;
  running = 1;
  timeStamp = RunTimeStamp();
  startRequested = 0;
  if (LoadNetwork(lines) == 0) {
    reader.ClearErrorCode();
    ShowError();
    running = 0;
    return;
  }
  // Only a sweep that runs takes the screen's keys: a refused one leaves the screen as it was.
  if (Diagramm* d = screen.Current(); d != nullptr && curveKeys) d->SetCurveKeys();
  StartMeasurement();
  Diagramm* d = screen.Current();
  if (!Failed() && d != nullptr) {
    char letter = 'S';
    int i = 1;
    int j = 1;
    GetSelection(letter, i, j);
    float x = 0.0f;
    float y = 0.0f;
    d->RestartCurrentCurve();
    // Erased when the measurement started: the points are drawn as they come.
    d->ShowCurrentCurve();
    GetPointValue(x, y);
    d->SetCurrentCurveName(BuildCurveTitle(letter, i, j));
    d->UpdateHeaderLines();
    d->AppendPointAndDraw(x, y, static_cast<float>(sweep.GetFrequency(0)));
    while (sweep.NextPoint() != 0) {
      const auto f = static_cast<float>(sweep.GetFrequency(sweep.index));
      if (!reader.ComputeAt(f) || Failed()) break;
      GetPointValue(x, y);
      d->AppendPointAndDraw(x, y, f);
    }
  }
  FinishMeasurement();
  running = 0;
}

int TNetAnalyzer::LoadNetwork(const LineFile& lines) {
  NetContext::SetReaderInUse(&reader);
  NetContext::SetCurrentAnalyser(this);
  network = nullptr;
  if (firstRun != 0) {
    firstRun = 0;
  } else {
    reader.Reset();
  }
  reader.SetLines(lines);
  if (!reader.CheckSyntax()) {
    reader.SetLines(LineFile());
    return 0;
  }
  reader.ReadBlocks();
  if (reader.HasOut()) {
    switch (reader.GetOutKind()) {
      case 'K': SetKind(4); break;
      case 'S': SetKind(2); break;
      case 'V':
        SetKind(3);
        SetIndex(2);
        break;
      case 'Y': SetKind(0); break;
      case 'Z': SetKind(1); break;
      default: break;
    }
    const MyStrng word = reader.GetOutputFormat();
    for (int f = 0; f < 9; ++f) {
      if (word == kFormatWords[f]) SetFormat(f);
    }
  }
  ApplyFormat();
  if (sweep.rangeChanged != 0) SetUpFrequencyAxis();
  if (reader.GetErrorCode() != 0) {
    reader.Reset();
    return 0;
  }
  reader.BuildDataObjects();
  reader.BuildNets();
  if (reader.GetErrorCode() != 0) {
    networkReady = 0;
    return 0;
  }
  networkReady = 1;
  SelectNetwork();
  // Nothing to sweep (a circuit that only the DC run solves, a chosen network that is gone), and
  // nothing reported that the box could show.
  if (network == nullptr) VS_Error().Error("Fehler beim Start der Berechnung", 4);
  // A network that could not be set up (no elements, say) has only its message to show.
  if (network == nullptr || network->GetErrorCode() != 0) {
    networkReady = 0;
    return 0;
  }
  return 1;
}

bool TNetAnalyzer::Failed() const {
  return reader.GetErrorCode() != 0 || (network != nullptr && network->GetErrorCode() != 0);
}

bool TNetAnalyzer::HasResults() const {
  return network != nullptr && network->GetResultCount() > 0;
}

void TNetAnalyzer::DiscardResults() {
  if (network != nullptr) network->ReleaseResults();
  screen.HideCurves();
}

void TNetAnalyzer::SelectNetwork() {
  if (networkReady == 0) return;
  const int count = reader.GetUsrNetCount();
  if (netChoice == 'L') {
    for (int i = 0; i < count; ++i) {
      if (reader.GetUsrNet(i)->GetName() == netName) network = reader.GetUsrNet(i);
    }
  } else if (count > 0 && reader.GetNonLinearNetCount() == 0) {
    // Beside a circuit that only the DC run solves (a diode in it), the last linear network is
    // a sub-circuit's.
    network = reader.GetUsrNet(count - 1);
    netName = network->GetName();
  }
}

void TNetAnalyzer::TakeReferenceResistances() {
  if (network == nullptr) return;
  if (network->HasRG1()) rg1 = Cmplx(network->GetRG1(), 0.0);
  if (network->HasRG2()) rg2 = Cmplx(network->GetRG2(), 0.0);
}

void TNetAnalyzer::SetUpFrequencyAxis() {
  sweep.Prepare();
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  d->SetXAxisMode(sweep.mode);
  d->SetSweepLimits(static_cast<float>(sweep.start), static_cast<float>(sweep.stop));
  d->UpdateXAxis();
  d->SetLabel1Text(FreqWert(sweep.start));
  d->SetLabel2Text(FreqWert(sweep.stop));
}

void TNetAnalyzer::UpdateBottomLine() {
  // The sweeps are the built-in simulator's runs; before the first there is none to name.
  const MyStrng line = netName.IsEmpty() ? MyStrng() : RunCaption(false, netName, timeStamp);
  if (Diagramm* d = screen.Current()) d->SetBottomLine(0, line);
}

void TNetAnalyzer::NameRun(Diagramm& d) {
  d.SetCurveNetName(netName);
  d.SetCurveDate(timeStamp);
}

void TNetAnalyzer::StartMeasurement() {
  Diagramm* d = screen.Current();
  FitCurves();
  sweep.Rewind();
  reader.AllocateUsrNetResults();
  reader.ComputeAt(static_cast<float>(sweep.GetFrequency(0)));
  TakeReferenceResistances();
  if (network != nullptr) network->SetTableTitle(timeStamp);
  if (d == nullptr) return;
  NameRun(*d);
  UpdateBottomLine();
  // The two stability-circle curves; the measured curve restarts with the sweep.
  d->EraseCurve(1);
  d->EraseCurve(2);
  d->EraseGainCircles('L');
  d->EraseGainCircles('G');
  screen.SetCurvesShown(true);
  SetUpFrequencyAxis();
  sweep.Rewind();
}

void TNetAnalyzer::FinishMeasurement() {
  if (Failed()) {
    reader.DisableUsrNetFlag();
    reader.ClearErrorCode();
    if (network != nullptr) network->ClearErrorCode();
    ShowError();
    return;
  }
  reader.EnableUsrNetFlag();
  sweep.index = 0;
  if (Diagramm* d = screen.Current()) {
    d->UpdateCurrentCurve();
    FillPlaneCircles();
    d->UpdateHeaderLines();
  }
  sweepChanged = 0;
  sweep.ClearChangeFlags();
  screen.Invalidate();
}

void TNetAnalyzer::ApplyFormat() {
  // Asked of the screen: the format dialog and the netlist's OUT line make the previous format
  // the one they replace, equal to the new one when it is kept, whatever the screen shows (the
  // logo of a new panel, the opening diagram of a reopened one).
  if (screen.Shows(format)) return;
  if (screen.SelectDiagram(format) == nullptr) return;
  SetUpFrequencyAxis();
  UpdateBottomLine();
  TakeReferenceResistances();
  if (HasResults()) Redraw();
}

void TNetAnalyzer::Redraw() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  char letter = 'S';
  int i = 1;
  int j = 1;
  GetSelection(letter, i, j);
  FitCurves();
  d->SetCurrentCurveName(BuildCurveTitle(letter, i, j));
  d->RestartCurrentCurve();
  d->ShowCurrentCurve();
  const bool withResults = HasResults();
  // Filled from the run's results, in whichever diagram: the curve is that run's. Without them
  // it holds no run's values, names none and is not shown (a curve kept with the circuit was).
  screen.SetCurvesShown(withResults);
  if (withResults) {
    NameRun(*d);
  } else {
    d->SetCurveNetName(MyStrng());
    d->SetCurveDate(MyStrng());
  }
  for (int p = 0; p < sweep.count; ++p) {
    float x = 0.0f;
    float y = 0.0f;
    PointValue(p, withResults, x, y);
    d->AppendPoint2(x, y, static_cast<float>(sweep.GetFrequency(p)));
  }
  d->UpdateCurrentCurve();
  FillPlaneCircles();
  d->UpdateHeaderLines();
  screen.Invalidate();
}

namespace {

constexpr int kGainCircles = 5;

// A stability circle as the plane diagram's curves hold it: a circle whose inside is the
// stable side (the chart's centre inside it) has a negative radius.
float SignedRadius(const CmplxRec& c) { return c.flag == 0 ? -c.radius : c.radius; }

}  // namespace

bool TNetAnalyzer::HasPlaneCircles() const {
  return screen.Current() != nullptr && format == kRecPlane && HasResults() &&
         network->GetPortCount() == 2 && kind >= 0 && kind <= 2;
}

void TNetAnalyzer::FitCurves() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  const int perPoint = d->GetTypeName() == "RecPlanDiag" ? 3 : 1;
  for (int i = 0; i < perPoint; ++i) {
    const DiagKurve* c = d->GetCurve(i);
    if (c != nullptr && c->GetCount() != sweep.count) d->RecreateCurve(i, sweep.count);
  }
}

void TNetAnalyzer::FillPlaneCircles() {
  Diagramm* d = screen.Current();
  if (!HasPlaneCircles()) {
    // A circle set would show those of an earlier sweep or kind.
    if (format == kRecPlane && d != nullptr && d->GetSoftKeyMode() != 'K') d->SetCurveKeys();
    return;
  }
  kind == 2 ? d->ShowSmithPlane() : d->HideSmithPlane();
  // Named by the kind's letter, which their circles' read-outs begin with.
  const MyStrng letter(std::string(1, kKindLetters[kind]));
  d->SetCurveName(1, letter + " Stabilitätskreis Last");
  d->SetCurveName(2, letter + " Stabilitätskreis Generator");
  d->ShowCurve(1);
  d->ShowCurve(2);
  d->ResetGainCircles('L');
  d->ResetGainCircles('G');
  for (int p = 0; p < sweep.count; ++p) {
    const PortMatrix y = network->GetPortMatrix(p);
    const auto f = static_cast<float>(sweep.GetFrequency(p));
    Cmplx load, source;
    float loadRadius = 0.0f;
    float sourceRadius = 0.0f;
    if (kind == 0) {
      load = y.GetLoadStabCenterY(), loadRadius = static_cast<float>(y.GetLoadStabRadiusY());
      source = y.GetSourceStabCenterY(),
      sourceRadius = static_cast<float>(y.GetSourceStabRadiusY());
    } else if (kind == 1) {
      load = y.GetLoadStabCenterZ(), loadRadius = static_cast<float>(y.GetLoadStabRadiusZ());
      source = y.GetSourceStabCenterZ(),
      sourceRadius = static_cast<float>(y.GetSourceStabRadiusZ());
    } else {
      const PortMatrix s =
          y.ConvertToS(static_cast<float>(rg1.re), static_cast<float>(rg2.re));
      const CmplxRec l = s.GetLoadStabilityCircle();
      const CmplxRec g = s.GetSourceStabilityCircle();
      load = l.value, loadRadius = SignedRadius(l);
      source = g.value, sourceRadius = SignedRadius(g);
      CmplxRecVektor circles(kGainCircles);
      s.GetLoadGainCircles(circles, kGainCircles);
      d->AddGainCircle('L', f, circles, s);
      s.GetSourceGainCircles(circles, kGainCircles);
      d->AddGainCircle('G', f, circles, s);
    }
    d->AppendPointTo(1, static_cast<float>(load.re), static_cast<float>(load.im), f, loadRadius);
    d->AppendPointTo(2, static_cast<float>(source.re), static_cast<float>(source.im), f,
                     sourceRadius);
  }
  if (kind == 2) {
    d->SetGainCirclesReady('L');
    d->SetGainCirclesReady('G');
  }
  d->RestoreSoftKeySet();
}

void TNetAnalyzer::StepCircles(bool next) {
  Diagramm* d = screen.Current();
  if (running != 0 || !HasPlaneCircles()) return;
  if (d->IsLoadStabMode() || d->IsGenStabMode()) {
    const int curve = d->IsGenStabMode() ? 2 : 1;
    next ? d->CurveCursorNext(curve) : d->CurveCursorPrev(curve);
  } else if (d->IsLoadGainMode() || d->IsGenGainMode()) {
    const char set = d->IsGenGainMode() ? 'G' : 'L';
    next ? d->NextGainCircle(set) : d->PrevGainCircle(set);
  }
}

void TNetAnalyzer::CopyResultTable() {
  if (!HasResults()) {
    RefuseWithoutResults();
    return;
  }
  char letter = 'S';
  int i = 1;
  int j = 1;
  GetSelection(letter, i, j);
  network->WriteResultTable(this, letter);
  Message("Resultate stehen als Ascii-File\r\n im Clipboard", "Achtung");
}

void TNetAnalyzer::ToggleMarker() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  if (markerMode == 'M') {
    d->DeleteMarker();
    markerMode = '0';
  } else {
    d->CreateMarker();
    markerMode = 'M';
  }
  screen.Invalidate();
}

int TNetAnalyzer::PortCount() const { return network != nullptr ? network->GetPortCount() : 0; }

void TNetAnalyzer::OnParameter() {
  if (running != 0) return;
  const int32_t oldKind = kind;
  const int32_t oldIndex = index;
  TMeasDiag dialog(this);
  if (dialog.DoModal() != pf::kIdOk || (kind == oldKind && index == oldIndex)) return;
  Redraw();
  if (Diagramm* d = screen.Current()) d->SetCurveKeys();
}

void TNetAnalyzer::OnFormat() {
  if (running != 0) return;
  TFormDiag dialog(this);
  if (dialog.DoModal() == pf::kIdOk) ApplyFormat();
}

void TNetAnalyzer::OnFrequency() {
  if (running != 0) return;
  const SweepFreq before = sweep;
  TFreqDlg dialog(this);
  // A Cancel leaves the sweep as it was, also after a refused OK.
  if (dialog.DoModal() == pf::kIdOk) {
    if (!sweep.SameAxis(before)) DiscardResults();
    SetUpFrequencyAxis();
    if (sweep.mode != previousMode) {
      // The record's sign of a diagram set up anew: the window opens with the format's.
      previousFormat = kNewDiagram;
      ApplyFormat();
      previousMode = sweep.mode;
    }
    if (sweep.CountChanged()) FitCurves();
  }
  screen.Invalidate();
}

void TNetAnalyzer::OnGenerator() {
  if (running != 0) return;
  TGenDlg dialog(this);
  dialog.DoModal();
}

void TNetAnalyzer::CopyScreen() {
  Diagramm* d = screen.Current();
  if (running != 0 || d == nullptr) return;
  if (!screen.ShowsResult()) {
    RefuseWithoutResults();
    return;
  }
  d->CopyToClipboard();
  Message("Bildschirm wurde ins Clipboard kopiert.\r\nWeiter z.B. in Paintbrush.", "Bildschirm");
}

namespace {

constexpr const char* kCurveExtension = "kur";
constexpr const char* kCurveFilter = "Kurven Format (*.kur)|*.kur";

}  // namespace

void TNetAnalyzer::SaveCurve() {
  Diagramm* d = screen.Current();
  if (running != 0 || d == nullptr) return;
  // The file gets the curve the circuit keeps too: a run's or none.
  if (ShownCurve() == nullptr) {
    RefuseWithoutResults();
    return;
  }
  const MyStrng name = netName + d->GetTypeName() + d->GetCurrentCurveName().GetNextToken();
  pf::FileDialog dialog(false, kCurveExtension, name.ToCString(),
                        pf::kOfnOverwritePrompt | pf::kOfnPathMustExist, kCurveFilter);
  if (dialog.DoModal() != pf::kIdOk) return;
  if (!pf::WriteWholeStream(dialog.GetPathName(), [d](std::ostream& out) {
        pf::Archive ar(out);
        d->SerializeCurrentCurve(ar);
        return true;
      })) {
    Message(MyStrng("Datei konnte nicht geschrieben werden: ") + dialog.GetPathName().c_str(),
            "Fehler");
  }
}

void TNetAnalyzer::LoadCurve() {
  Diagramm* d = screen.Current();
  if (running != 0 || d == nullptr) return;
  pf::FileDialog dialog(true, kCurveExtension, {},
                        pf::kOfnPathMustExist | pf::kOfnFileMustExist,
                        kCurveFilter);
  if (dialog.DoModal() != pf::kIdOk) return;
  // Beside a loaded curve, a screen that showed no run's result keeps showing none: its own
  // curves hold no run's values, and the next sweep fills them anew.
  if (!screen.ShowsResult()) {
    for (int i = 0; i < d->GetCurveCount(); ++i) d->RecreateCurve(i, 0);
  }
  const VS_ErrorMark mark;
  pf::InputFile in(dialog.GetPathName(), DiagKurve::kMaxFileBytes);
  bool loaded = false;
  if (in.IsOpen()) {
    pf::Archive ar(in.Stream());
    loaded = d->LoadCurve(ar) && in.Refusal().empty();
    if (!loaded) in.ReadOn();
  }
  const std::string& refusal = in.Refusal();
  if (loaded) screen.SetCurvesShown(true);
  if (!loaded) {
    // The box says it; the curve's own report must not stay behind for the next command.
    mark.Drop();
    pf::TheUiServices().Beep(pf::BeepKind::Default);
    Message(refusal.empty() ? MyStrng("Kurve konnte nicht geladen werden") : MyStrng(refusal),
            "Fehler");
  }
  screen.Invalidate();
}

void TNetAnalyzer::ExportPicTex() {
  if (running == 0) screen.ExportPicTex();
}

void TNetAnalyzer::ShowError() {
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  Message(MyStrng(sweepReports.First().ToCString().substr(0, 80)), "Fehler");
  // The box says it; what was queued before the sweep stays for the error window.
  sweepReports.Drop();
}

void TNetAnalyzer::SetFormat(int32_t f) {
  previousFormat = format;
  format = f;
}

void TNetAnalyzer::SetKind(int32_t k) {
  previousKind = kind;
  kind = k;
}

void TNetAnalyzer::SetIndex(int32_t i) {
  previousIndex = index;
  index = i;
}

void TNetAnalyzer::Serialize(pf::Archive& ar) {
  MeasInstView::Serialize(ar);
  sweep.Serialize(ar);
  int32_t* selection[] = {&kind, &previousKind, &index, &previousIndex, &format, &previousFormat};
  if (ar.IsStoring()) {
    ar << rg1.re << rg2.re;
    for (int32_t* v : selection) ar << *v;
    screen.Serialize(ar);
    ar << kShownCurveMark;
    netName.Serialize(ar);
    timeStamp.Serialize(ar);
    DiagKurve* shown = ShownCurve();
    ar << static_cast<int32_t>(shown != nullptr ? 1 : 0);
    if (shown != nullptr) shown->Serialize(ar);
    return;
  }
  double r1 = 50.0;
  double r2 = 50.0;
  ar >> r1 >> r2;
  rg1 = Cmplx(r1, 0.0);
  rg2 = Cmplx(r2, 0.0);
  for (int32_t* v : selection) ar >> *v;
  if (kind < 0 || kind > 6 || previousKind < 0 || previousKind > 6) Refuse("analyser kind");
  if (index < 0 || index > 3 || previousIndex < 0 || previousIndex > 3) Refuse("analyser index");
  if (format < 0 || format > kLogo || previousFormat < 0 || previousFormat > kLogo) {
    Refuse("analyser format");
  }
  previousMode = sweep.mode;
  screen.Serialize(ar);
  // Circuits saved before the panel kept its curve end the record here.
  if (!ar.TakeMark(kShownCurveMark)) return;
  netName.Serialize(ar);
  timeStamp.Serialize(ar);
  int32_t shown = 0;
  ar >> shown;
  if (shown == 0) return;
  // The curve goes into the stored format's diagram, which the window then opens with.
  Diagramm* d = screen.SelectDiagram(format);
  if (d == nullptr) Refuse("analyser curve");
  d->SetCurrentCurve(0);
  d->SerializeCurrentCurve(ar);
  screen.ShowFirstCurve();
}

DiagKurve* TNetAnalyzer::ShownCurve() const {
  const Diagramm* d = screen.Current();
  DiagKurve* curve = d != nullptr ? d->GetCurve(0) : nullptr;
  return d != nullptr && d->curvesShown != 0 && curve != nullptr && curve->GetCount() > 0
             ? curve
             : nullptr;
}

void TNetAnalyzer::SerializeMarker(pf::Archive& ar) {
  // Loaded, the shown curve is the current diagram's, and there is none without it.
  const DiagKurve* curve = ShownCurve();
  if (ar.IsStoring()) {
    const int32_t point = curve != nullptr ? screen.Current()->GetMarkerIndex() : 0;
    ar << markerMode << point;
    return;
  }
  char mode = '0';
  int32_t point = 0;
  ar >> mode >> point;
  if (mode != '0' && mode != 'M') Refuse("analyser marker");
  // The marker may stand one past the last point, as its key leaves it there.
  if (point < 0 || point > (curve != nullptr ? curve->GetCount() : 0)) Refuse("analyser marker");
  markerMode = mode;
  if (curve != nullptr) screen.Current()->SetMarkerIndex(point);
}

void TNetAnalyzer::ShowOpeningDiagram() {
  const bool kept = screen.Current() != nullptr;
  const int32_t shown = kept || previousFormat == kNewDiagram ? format : previousFormat;
  Diagramm* d = screen.SelectDiagram(shown);
  if (d == nullptr || shown == kLogo) return;
  SetUpFrequencyAxis();
  UpdateBottomLine();
  if (kept) {
    // The window opens in curve mode: the kept curve shows (the plane's gain circles may have
    // hidden it when it was saved) and the plane's other curves are empty.
    for (int i = 1; i < d->GetCurveCount(); ++i) d->EraseCurve(i);
    d->SetCurrentCurve(0);
    d->ShowCurrentCurve();
    d->UpdateCurrentCurve();
    d->UpdateHeaderLines();
    if (markerMode == 'M') d->CreateMarker();
  }
}
