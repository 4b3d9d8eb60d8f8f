#include "editor/desktop/CVostraneApp.h"

#include "basics/VS_Error.h"
#include "editor/desktop/AboutDlg.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/command_ids.h"
#include "pf/document.h"
#include "pf/path_map.h"
#include "pf/profile.h"

namespace {

constexpr const char* kSection = CVostraneDoc::kProfileSection;

}  // namespace

CVostraneApp::CVostraneApp(std::vector<std::string> files, ProfileFactory makeProfile)
    : ErrorReportingApp("Vostrane"),
      files_(std::move(files)),
      makeProfile_(std::move(makeProfile)) {
  InstallLabelFonts(&labelFonts_);
  MapCommand(pf::kIdAppAbout, [this] { OnAppAbout(); });
}

CVostraneApp::~CVostraneApp() {
  // The documents point at the SPICE settings, which go before the base's windows and templates.
  CloseSplash();
  if (GetMainWnd() != nullptr) GetMainWnd()->DestroyWindow();
  CloseAllDocuments();
  InstallLabelFonts(nullptr);
}

CVostraneApp* GetVostraneApp() { return dynamic_cast<CVostraneApp*>(pf::App::Current()); }

bool CVostraneApp::InitInstance() {
  if (makeProfile_) {
    SetProfile(makeProfile_());
  } else {
    SetRegistryKey(kRegistryKey);
  }
  LoadStdProfileSettings(pf::kMaxRecentFiles);

  pf::DocTemplate& circuits = AddDocTemplate(std::make_unique<pf::DocTemplate>(
      kDocTemplateId, "Schaltung",
      [this] { return std::make_unique<CVostraneDoc>(&GetProfile(), &spice_); },
      [] { return std::make_unique<CChildFrame>(); },
      [] { return std::make_unique<CVostraneView>(); }));
  circuits.SetFileType("vqe", "Vostrane-Schaltungen (*.vqe)|*.vqe|");

  auto frame = std::make_unique<CMainFrame>();
  if (!frame->LoadFrame(kMainFrameId)) return false;
  CMainFrame& main = *frame;
  SetMainWnd(std::move(frame));
  main.SetBaseTitle("Vostrane");

  // The files of the command line; when none opens (or none was given), a new circuit.
  bool opened = false;
  for (const std::string& path : files_) opened = OpenStartFile(path) || opened;
  if (!opened && OnFileNew() == nullptr) return false;

  ShowSplash();
  main.ShowWindow(true);
  main.UpdateWindow();
  LoadProfile();
  return true;
}

bool CVostraneApp::OpenStartFile(const std::string& file) {
  // Absolute, so that neither the recent files nor a later save depend on the folder the
  // program was started in (the file dialogs move it).
  const std::string path = pf::AbsolutePath(file);
  const VS_ErrorMark mark;
  if (!path.empty() && OpenDocumentFile(path) != nullptr) return true;
  // The failure has had its message box; the reason the document queued would come up again
  // in the error window of the next run.
  mark.Drop();
  return false;
}

int CVostraneApp::ExitInstance() {
  SaveProfile();
  return ErrorReportingApp::ExitInstance();
}

bool CVostraneApp::OnIdle(long count) {
  bool more = pf::App::OnIdle(count);
  if (count == 1) {
    CompleteSpiceRun();
    more = true;
  } else if (count == 2) {
    if (CVostraneDoc* doc = ActiveDocument()) doc->RefreshPinMarks();
    more = true;
  }
  NoteErrors();
  return more;
}

CVostraneDoc* CVostraneApp::ActiveDocument() const {
  const CMainFrame* main = GetMainFrame();
  return main != nullptr ? dynamic_cast<CVostraneDoc*>(main->GetActiveDocument()) : nullptr;
}

void CVostraneApp::CompleteSpiceRun() {
  // Not the active circuit's alone: until its owner reads the raw file, no other circuit may
  // start a run.
  for (const auto& docTemplate : DocTemplates()) {
    for (const auto& document : docTemplate->Documents()) {
      if (auto* doc = dynamic_cast<CVostraneDoc*>(document.get())) CompleteSpiceRun(*doc);
    }
  }
}

void CVostraneApp::CompleteSpiceRun(CVostraneDoc& doc) {
  SpiceManager& spice = doc.GetSpiceManager();
  // A run given up for taking too long has had its message and has no results.
  if (spice.IsSimulatorRunning() || !spice.ResultsPending()) return;
  if (spice.ReadRawFile()) {
    doc.Symbols().ForEach([&spice](NetSymbol* s) { s->ReadSpiceResults(spice); });
  } else {
    ReportError("Fehler beim laden des SpiceRwafiles");
  }
}

CMainFrame* CVostraneApp::GetMainFrame() const { return dynamic_cast<CMainFrame*>(GetMainWnd()); }

void CVostraneApp::ShowSplash() {
  if (splashPending_ == 0 || splash_) return;
  auto splash = std::make_unique<CAboutDlg>(GetMainWnd());
  if (!splash->Create()) return;
  splash->CenterOnScreen();
  splash->ShowWindow(true);
  splash->UpdateWindow();
  splash_ = std::move(splash);
}

void CVostraneApp::CloseSplash() {
  if (splashPending_ == 0) return;
  if (splash_) splash_->DestroyWindow();
  splash_.reset();
  splashPending_ = 0;
}

void CVostraneApp::SetSpiceHome(const MyStrng& home) {
  spice_.home = home;
  spice_.enabled = home.IsEmpty() ? 0 : 1;
}

std::string CVostraneApp::HelpFile() { return pf::ProgramDirectory() + "/help/vostrane.html"; }

void CVostraneApp::OnAppAbout() { CAboutDlg(GetMainWnd()).DoModal(); }

void CVostraneApp::LoadProfile() {
  spice_.enabled = GetProfile().GetProfileInt(kSection, "SpiceSim", 0);
  spice_.home = MyStrng(GetProfile().GetProfileString(kSection, "SpiceHome", "Unbekannt"));
  spice_.timeoutSeconds = GetProfile().GetProfileInt(kSection, "SpiceTimeout",
                                                     SpiceSettings::kDefaultTimeoutSeconds);
}

void CVostraneApp::SaveProfile() {
  GetProfile().WriteProfileInt(kSection, "SpiceSim", spice_.enabled);
  GetProfile().WriteProfileString(kSection, "SpiceHome", spice_.home.GetBuffer());
  GetProfile().WriteProfileInt(kSection, "SpiceTimeout", spice_.timeoutSeconds);
}
