#include "editor/desktop/ViewCommands.h"

#include <optional>
#include <utility>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/GerberExport.h"
#include "editor/desktop/SpiceDirDialog.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/CircuitCopies.h"
#include "editor/document/NetlistBuilder.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/clipboard.h"
#include "pf/command.h"
#include "pf/ui_services.h"
#include "resources/CommandIds.h"

namespace {

constexpr int kGroundType = 1;

SpiceAnalysisDialogs& Dialogs() {
  static SpiceAnalysisDialogs dialogs;
  return dialogs;
}

// Commands run only on a view with a document; the update handlers disable them otherwise.
CVostraneDoc& Doc(CVostraneView& view) { return *view.GetDocument(); }

void Enable(CVostraneView& view, pf::CmdUI& ui, bool (*rule)(CVostraneDoc&)) {
  CVostraneDoc* doc = view.GetDocument();
  ui.Enable(doc != nullptr && rule(*doc));
}

bool NotEmpty(CVostraneDoc& doc) { return doc.Symbols().GetCount() != 0; }

void Inform(const char* text) {
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().MessageBox(text, "Info", pf::MsgButtons::Ok, pf::MsgIcon::Information);
}

bool Ask(const char* question) {
  return pf::TheUiServices().MessageBox(question, "Vostrane", pf::MsgButtons::YesNo,
                                        pf::MsgIcon::Question) == pf::MsgResult::Yes;
}

// The error window shows the queued reason now, not only at the next idle time: the command
// goes on with a box or a dialog of its own, which would come first.
void ShowErrorsNow() {
  if (CVostraneApp* app = GetVostraneApp()) {
    app->NoteErrors();
    app->ShowErrorDialog();
  }
}

void StartFailed() {
  ShowErrorsNow();
  pf::TheUiServices().MessageBox("Spice konnte nicht gestartet werden", "Fehler",
                                 pf::MsgButtons::Ok, pf::MsgIcon::Error);
}

// Starts the SPICE program on the document's written netlist; says so, and why, when it
// cannot. Idle processing collects the results while the busy window shows that the program
// runs.
void StartSpice(CVostraneView& view) {
  CVostraneDoc& doc = Doc(view);
  const SpiceSettings* settings = doc.GetSpiceSettings();
  const SpiceSettings defaults;
  const SpiceSettings& spice = settings != nullptr ? *settings : defaults;
  // A home kept while SPICE is off ("Unbekannt" at first) holds no program.
  const MyStrng home = spice.enabled != 0 ? spice.home : MyStrng();
  if (doc.GetSpiceManager().StartSimulator(home, spice.timeoutSeconds)) {
    view.Analysis().WaitForSpice();
    return;
  }
  StartFailed();
}

bool WriteSpice(CVostraneView& view) {
  if (Doc(view).WriteSpiceFile(&view)) return true;
  ShowErrorsNow();
  return false;
}

// A netlist that could not be written is not started: the program would read an old one.
void WriteAndStartSpice(CVostraneView& view) {
  if (WriteSpice(view)) {
    StartSpice(view);
  } else {
    StartFailed();
  }
}

void CopyBitmap(CVostraneView& view) {
  if (const std::optional<pf::Bitmap> picture = DrawCircuitBitmap(Doc(view), view)) {
    pf::TheClipboard().Empty();
    pf::TheClipboard().SetBitmap(*picture);
  }
  Inform("Schaltungsgrafik steht im Clipboard");
}

void CopyLatex(CVostraneView& view) {
  LineFile& lines = view.GetLatexLines();
  ComposeLatex(Doc(view), lines);
  lines.CopyToClipboard(&view);
  Inform("Schaltung als Latex-File im Clipboard");
}

void AsciiFile(CVostraneView& view) {
  if (!Doc(view).BuildNetlist(&view)) VS_Error::PushDefaultError();
}

void Help(CVostraneView&) {
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().ShowHelp(CVostraneApp::HelpFile());
}

// Every SPICE start is refused while a built-in run goes, whose points its results would join,
// and while another circuit's SPICE run goes, whose netlist and raw file the SPICE folder holds
// until its results are read (the manager refuses such a start too; here it is refused before a
// question, a dialog or this circuit's netlist, with one message). Writing the netlist alone is
// refused alike: a circuit of the running one's title would replace the file it reads.
bool RefuseSpiceStart(CVostraneView& view) {
  if (view.Analysis().RefuseWhileBusy()) return true;
  const MyStrng refusal = Doc(view).GetSpiceManager().StartRefusal();
  if (refusal.IsEmpty()) return false;
  AnalysisRuns::Warn(refusal.GetBuffer());
  return true;
}

void StartWrittenSpice(CVostraneView& view) {
  if (!RefuseSpiceStart(view)) StartSpice(view);
}

// The analysis's source becomes the only active instrument: its card is the file's, and every
// other generator is idle.
void MakeSpiceSource(CVostraneView& view, NetSymbol& source) {
  view.Analysis().ClearActiveInstruments();
  if (auto* instrument = dynamic_cast<InstrumentRole*>(&source)) instrument->SetActiveFlag(1);
}

void SmallSignal(CVostraneView& view) {
  if (RefuseSpiceStart(view)) return;
  NetSymbol* source = Doc(view).FindSmallSignalSource();
  if (source == nullptr) {
    AnalysisRuns::Warn("Kein Signalgenerator für die Kleinsignal-Analyse");
    return;
  }
  if (!Ask("Kleinsignal-Analyse")) return;
  MakeSpiceSource(view, *source);
  WriteAndStartSpice(view);
}

void OperatingPoint(CVostraneView& view) {
  if (RefuseSpiceStart(view) || !Ask("Arbeitspunkt-Analyse")) return;
  Doc(view).RequestOperatingPoint();
  WriteAndStartSpice(view);
}

void DcSweep(CVostraneView& view) {
  if (RefuseSpiceStart(view)) return;
  view.Analysis().ClearActiveInstruments();
  if (Dialogs().dcSweep(view)) WriteAndStartSpice(view);
}

void Transient(CVostraneView& view) {
  if (RefuseSpiceStart(view)) return;
  NetSymbol* source = Doc(view).FindTransientSource();
  if (source == nullptr) {
    AnalysisRuns::Warn("Kein Daten- oder Impulsgenerator für die Transient-Analyse");
    return;
  }
  if (!Dialogs().transient(view, source)) return;
  MakeSpiceSource(view, *source);
  WriteAndStartSpice(view);
}

void SpiceSettingsDialog(CVostraneView& view) {
  CVostraneApp* app = GetVostraneApp();
  if (app == nullptr) return;
  SpiceDirDialog dialog(&view, app->GetSpiceHome());
  if (dialog.DoModal() != pf::kIdOk) return;
  // A program without a directory in front of it cannot be found again.
  if (dialog.GetDirectory().IsEmpty()) {
    VS_Error().Error("Simulator für Spice wurde nicht eingestellt", 4);
  }
  app->SetSpiceHome(dialog.GetDirectory());
}

// Without a SPICE program there is nothing to choose: the user is told and gets its dialog.
void ChooseSpice(CVostraneView& view) {
  const SpiceSettings* spice = Doc(view).GetSpiceSettings();
  if (spice == nullptr || spice->enabled == 0) {
    const VS_ErrorMark mark;
    VS_Error().Error("Simulator für Spice wurde nicht eingestellt", 4);
    ShowErrorsNow();
    SpiceSettingsDialog(view);
    // Answered once a program is set: it need not come up again in the error window.
    spice = Doc(view).GetSpiceSettings();
    if (spice != nullptr && spice->enabled != 0) mark.Drop();
  }
  Doc(view).SelectSpice();
}

constexpr ViewCommand kCommands[] = {
    {kIdServiceCopyCircuit, CopyBitmap,
     [](CVostraneView& v, pf::CmdUI& ui) { Enable(v, ui, NotEmpty); }},
    {kIdServiceLatex, CopyLatex, [](CVostraneView& v, pf::CmdUI& ui) { Enable(v, ui, NotEmpty); }},
    {kIdEditAsciiFile, AsciiFile, [](CVostraneView& v, pf::CmdUI& ui) { Enable(v, ui, NotEmpty); }},
    {kIdEditExportNetwork, [](CVostraneView& v) { Doc(v).ExportNetlist(&v); },
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) { return ExportRefusal(d).IsEmpty(); });
     }},
    {kIdHelp, Help, nullptr},
    {kIdEditSpiceFile, [](CVostraneView& v) { if (!RefuseSpiceStart(v)) WriteSpice(v); },
     [](CVostraneView& v, pf::CmdUI& ui) { Enable(v, ui, NotEmpty); }},
    {kIdEditSpiceStart, StartWrittenSpice,
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) { return d.GetSpiceManager().HasNetlistAttempt(); });
     }},
    {kIdAnalysisSmallSignal, SmallSignal,
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) { return d.HasSignalGenerator(); });
     }},
    {kIdAnalysisDcOp, OperatingPoint,
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) { return d.HasDcGenerator(); });
     }},
    {kIdAnalysisDcSweep, DcSweep,
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) {
         return Dialogs().dcSweep != nullptr && d.HasSweptDcGenerator();
       });
     }},
    {kIdAnalysisTransient, Transient,
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) {
         return Dialogs().transient != nullptr && (d.HasImpulsGenerator() || d.HasDataGenerator());
       });
     }},
    {kIdEditSpiceRawFile, [](CVostraneView& v) { Dialogs().rawFile(v); },
     [](CVostraneView& v, pf::CmdUI& ui) {
       Enable(v, ui, [](CVostraneDoc& d) {
         return Dialogs().rawFile != nullptr && d.GetSpiceManager().HasLoadedResults();
       });
     }},
    {kIdSimulatorRavilone, [](CVostraneView& v) { Doc(v).SetSimulatorName("Ravilone"); },
     [](CVostraneView& v, pf::CmdUI& ui) {
       ui.Enable(v.GetDocument() != nullptr);
       ui.SetCheck(v.GetDocument() != nullptr && v.GetDocument()->GetSimulatorName() == "Ravilone");
     }},
    {kIdSimulatorSpice, ChooseSpice,
     [](CVostraneView& v, pf::CmdUI& ui) {
       ui.Enable(v.GetDocument() != nullptr);
       ui.SetCheck(v.GetDocument() != nullptr && v.GetDocument()->IsSpiceChosen());
     }},
    {kIdSpiceSettings, SpiceSettingsDialog, nullptr},
    {kIdServiceGerber, ExportGerber, UpdateExportGerber},
};

enum class Rule {
  Built,  // only that its symbol is built
  Never,
  Substrate,
  BuiltInSim,
  Spice,  // SPICE is the chosen simulator
  SpiceLibrary,
  NoAnalyser,
  NetworkAnalyser,
  DataGenerator,
};

// Element types with a rule of their own (the menu's order); the others need only their symbol.
constexpr struct {
  int type;
  Rule rule;
} kElementRules[] = {
    {21, Rule::BuiltInSim},   {22, Rule::Substrate},       {23, Rule::Substrate},
    {24, Rule::Substrate},    {25, Rule::Substrate},       {26, Rule::Substrate},
    {27, Rule::Substrate},    {28, Rule::Substrate},       {29, Rule::Substrate},
    {30, Rule::Substrate},    {31, Rule::NetworkAnalyser}, {34, Rule::Spice},
    {37, Rule::SpiceLibrary}, {38, Rule::Spice},           {39, Rule::DataGenerator},
    {40, Rule::NoAnalyser},   {41, Rule::NoAnalyser},      {42, Rule::Substrate},
    {43, Rule::Substrate},    {44, Rule::Substrate},       {45, Rule::Substrate},
    {46, Rule::Substrate},    {47, Rule::Substrate},       {48, Rule::Never},
    {49, Rule::Never},        {50, Rule::Spice},           {51, Rule::Spice},
    {52, Rule::Spice},        {53, Rule::Substrate},
};

Rule RuleOf(int type) {
  for (const auto& r : kElementRules) {
    if (r.type == type) return r.rule;
  }
  return Rule::Built;
}

bool EveryAllowsAnalyser(const CVostraneDoc& doc) {
  bool all = true;
  doc.Symbols().ForEach([&all](NetSymbol* s) { all = all && s->allowsNetworkAnalyser != 0; });
  return all;
}

bool Allowed(const CVostraneDoc& doc, Rule rule) {
  const bool builtIn = doc.GetSimulatorName() == "Ravilone";
  const bool noRun = !doc.HasNetworkAnalyser() && !doc.HasActiveInstrument();
  switch (rule) {
    case Rule::Built: return true;
    case Rule::Never: return false;
    case Rule::Substrate: return doc.HasSubstrate();
    case Rule::BuiltInSim: return builtIn;
    case Rule::Spice: return doc.IsSpiceChosen();
    case Rule::SpiceLibrary: return doc.HasSpiceLibrary();
    case Rule::NoAnalyser: return !doc.HasNetworkAnalyser();
    case Rule::NetworkAnalyser: return noRun && builtIn && EveryAllowsAnalyser(doc);
    case Rule::DataGenerator: return noRun;
  }
  return false;
}

void UpdateElementCommand(CVostraneView& view, int type, pf::CmdUI& ui) {
  const CVostraneDoc* doc = view.GetDocument();
  const bool spice = doc != nullptr && doc->IsSpiceChosen();
  const Rule rule = RuleOf(type);
  const bool allowed = doc != nullptr && Allowed(*doc, rule);
  if (!allowed && type == view.GetElementType() &&
      (rule == Rule::NetworkAnalyser || rule == Rule::DataGenerator)) {
    view.SetElementType(kGroundType);
  }
  ui.Enable(allowed && ElementFactory::Global().CanPlace(type, spice));
  ui.SetCheck(type == view.GetElementType() ? 1 : 0);
}

}  // namespace

void RegisterViewCommands() {
  CVostraneView::AddCommands(kCommands);
  CVostraneView::SetElementRule(UpdateElementCommand);
}

void InstallSpiceAnalysisDialogs(SpiceAnalysisDialogs dialogs) { Dialogs() = std::move(dialogs); }
