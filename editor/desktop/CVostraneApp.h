#pragma once
// The application of the desktop program: the settings key, the circuit template, the main
// frame with its bars, the splash and error windows, the SPICE settings, the label fonts and
// the date string of generated files. Its idle work collects ended SPICE runs and refreshes
// the pins' connection marks.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "basics/MyStrng.h"
#include "basics/ui/ErrorDialog.h"
#include "editor/document/SpiceManager.h"
#include "editor/symbols/LabelFonts.h"

class CAboutDlg;
class CMainFrame;
class CVostraneDoc;

class CVostraneApp : public ErrorReportingApp {
 public:
  static constexpr const char* kRegistryKey = "Vostrane Kollegstiftung Morvaburg";
  static constexpr int kMainFrameId = 128;
  static constexpr int kDocTemplateId = 129;

  using ProfileFactory = std::function<std::unique_ptr<pf::Profile>()>;

  // The files to open at start-up; when none opens, a new circuit (a file that cannot be opened
  // is reported once). Without a profile factory the settings live in the INI file under the
  // registry key.
  explicit CVostraneApp(std::vector<std::string> files = {}, ProfileFactory makeProfile = {});
  ~CVostraneApp() override;

  bool InitInstance() override;
  int ExitInstance() override;
  bool OnIdle(long count) override;

  CMainFrame* GetMainFrame() const;
  const pf::Font& GetLabelFont() const { return labelFonts_.horizontal; }
  const pf::Font& GetVerticalLabelFont() const { return labelFonts_.vertical; }

  // The About box as a modeless window, until CloseSplash; each only once.
  void ShowSplash();
  void CloseSplash();
  CAboutDlg* GetSplash() const { return splash_.get(); }

  const MyStrng& GetSpiceHome() const { return spice_.home; }
  // An empty directory turns SPICE off.
  void SetSpiceHome(const MyStrng& home);
  const SpiceSettings& GetSpiceSettings() const { return spice_; }

  // The help shipped with the program: help/vostrane.html beside the executable.
  static std::string HelpFile();

  void OnAppAbout();
  void LoadProfile();
  void SaveProfile();

 private:
  // False after the failure's one report.
  bool OpenStartFile(const std::string& file);
  // An ended run of a document's SPICE program hands its results to that document's symbols.
  void CompleteSpiceRun();
  void CompleteSpiceRun(CVostraneDoc& doc);
  CVostraneDoc* ActiveDocument() const;

  std::vector<std::string> files_;
  ProfileFactory makeProfile_;
  LabelFonts labelFonts_ = LabelFonts::Standard();
  int splashPending_ = 1;
  std::unique_ptr<CAboutDlg> splash_;
  SpiceSettings spice_;
};

// The running application; nullptr when none runs.
CVostraneApp* GetVostraneApp();
