#pragma once
// The application object: start and end hooks, idle processing, the main window, the document
// templates and the profile. One exists at a time; the message pump of the backend drives it.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pf/command.h"
#include "pf/profile.h"

namespace pf {

class DocTemplate;
class Document;
class Window;

class App : public CommandTarget {
 public:
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
  // With the first template; nullptr when it fails or there is none.
  Document* OpenDocumentFile(const std::string& path);
  Document* OnFileNew();

  // Settings: in memory until SetRegistryKey names the INI file.
  void SetRegistryKey(std::string_view key);
  void SetProfile(std::unique_ptr<Profile> profile) { profile_ = std::move(profile); }
  Profile& GetProfile() { return *profile_; }

 private:
  std::string appName_;
  std::unique_ptr<Profile> profile_;
  std::unique_ptr<Window> mainWnd_;
  std::vector<std::unique_ptr<DocTemplate>> templates_;
  long idleCount_ = 0;
  bool idlePending_ = true;
};

}  // namespace pf
