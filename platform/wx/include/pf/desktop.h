#pragma once
// The desktop: the window model shown on wxWidgets. Creating a Desktop starts the toolkit with
// the program's arguments and installs the desktop backend, UI services and the system
// clipboard; Run drives the application with the toolkit's message loop. One Desktop exists at
// a time, and the App it runs goes before it.

#include <memory>

class wxWindow;

namespace pf {

class App;
class WxClipboard;
class Window;
class WxBackend;
class WxUiServices;

class Desktop {
 public:
  // The toolkit takes the options it knows out of argv.
  Desktop(int& argc, char** argv);
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // False when the toolkit could not start (no display); nothing else works then.
  bool IsReady() const { return ready_; }

  // Installs the desktop backend and UI services again, after a headless render say. Windows
  // shown on the desktop must be destroyed while it is installed.
  void Install();
  // Installs, runs app.InitInstance, pumps messages until the main window is destroyed and
  // returns app.ExitInstance(). Without a main window after InitInstance no loop runs.
  int Run(App& app);

 private:
  bool ready_ = false;
  std::unique_ptr<WxBackend> backend_;
  std::unique_ptr<WxUiServices> ui_;
  std::unique_ptr<WxClipboard> clipboard_;
};

// The native window that shows a window of the model; nullptr when none does.
wxWindow* NativeWindow(const Window& window);

}  // namespace pf
