#pragma once
// The application object: start and end hooks, idle processing, the main window, the document
// templates and the profile. One exists at a time; the message pump of the backend drives it.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pf/command.h"
#include "pf/command_ids.h"
#include "pf/profile.h"

namespace pf {

class DocTemplate;
class Document;
class Window;

class App : public CommandTarget {
 public:
  // Maps Neu, Öffnen, the recent files and Beenden.
  explicit App(std::string appName);
  ~App() override;
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  static App* Current();
  const std::string& AppName() const { return appName_; }

  virtual bool InitInstance() { return true; }
  virtual int ExitInstance() { return 0; }
  // Idle work, called with 0, 1, 2, ... while no message waits, until it returns false. The
  // base updates the command state of the main window's bars at count 0 and wants more idle
  // time only then.
  virtual bool OnIdle(long count);

  // The idle phase as a pump runs it: after each message the next phase starts at count 0.
  void NoteMessage();
  bool IsIdlePending() const { return idlePending_; }
  // Calls OnIdle with the next count; a false result ends the phase. False when no phase runs.
  bool RunIdleStep();

  // The application keeps its main window.
  void SetMainWnd(std::unique_ptr<Window> window);
  Window* GetMainWnd() const { return mainWnd_.get(); }

  DocTemplate& AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
  const std::vector<std::unique_ptr<DocTemplate>>& DocTemplates() const { return templates_; }
  // With the first template; a document open under the path already is activated instead.
  // nullptr when it fails or there is none.
  Document* OpenDocumentFile(const std::string& path);
  Document* OnFileNew();
  // The open dialog with the first template's file type.
  void OnFileOpen();
  // Asks about every modified document; false when the user keeps one open (Abbrechen).
  bool SaveAllModified();
  void CloseAllDocuments();

  // The recent files, the latest first, kept in the profile's "Recent File List".
  void LoadStdProfileSettings(int maxRecent = kMaxRecentFiles);
  void AddToRecentFileList(const std::string& path);
  const std::vector<std::string>& RecentFiles() const { return recent_; }

  // Settings: in memory until SetRegistryKey names the INI file (LoadStdProfileSettings then
  // reads the recent files from it).
  void SetRegistryKey(std::string_view key);
  void SetProfile(std::unique_ptr<Profile> profile) { profile_ = std::move(profile); }
  Profile& GetProfile() { return *profile_; }

 private:
  std::string appName_;
  std::unique_ptr<Profile> profile_;
  std::unique_ptr<Window> mainWnd_;
  std::vector<std::unique_ptr<DocTemplate>> templates_;
  std::vector<std::string> recent_;
  int maxRecent_ = 0;
  long idleCount_ = 0;
  bool idlePending_ = true;
};

}  // namespace pf
