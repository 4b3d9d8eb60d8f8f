#pragma once
// The headless backend: virtual time, the idle phase, injected input, scripted modal dialogs
// and a backing surface per window that renders to PNG. Made for tests and the command line:
// nothing blocks and nothing depends on the wall clock.
//
// A modal dialog runs the script queued for its template (ExpectDialog), in order; a dialog
// without a script, or one whose script leaves it open, is a failure and answers Cancel.
// Message boxes, beeps, file and colour dialogs are answered by the scripted UI services.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pf/backend.h"
#include "pf/cairo_dc.h"
#include "pf/dialog.h"
#include "pf/menu.h"
#include "pf/ui_services.h"

namespace pf {

class FrameWnd;
class Headless;

// Acts on a dialog as the user would. Controls are found by id in the dialog, then in its
// shown property page; a missing control, or one of another kind, is a failure. Typing into a
// control or clicking it gives it the focus, as the mouse does.
class DialogDriver {
 public:
  DialogDriver(Headless& headless, Dialog& dialog) : headless_(headless), dialog_(dialog) {}

  Dialog& GetDialog() { return dialog_; }
  void Type(int id, std::string_view text);    // an edit, or a combo box's edit field
  void Click(int id);                          // a button, check box or radio button
  void Select(int id, int index);              // a list or combo box item
  void Select(int id, std::string_view text);  // the item with exactly this text
  void DoubleClick(int id, int index);         // a list box item
  void Spin(int id, bool up);
  // A key to the focused control (the dialog when none has the focus): Tab, Space, Enter, ...
  void Key(int key, unsigned modifiers = 0);
  // Characters typed into the focused control: over an edit's selection, or as a combo box's
  // new text; a failure when the focus is on neither.
  void TypeIntoFocus(std::string_view chars);
  void Ok() { Click(kIdOk); }
  void Cancel() { Click(kIdCancel); }
  void Close();
  bool SelectPage(int index);  // a property sheet's tab
  // Time passes while the dialog is open: timers tick, idle processing does not run.
  void Advance(unsigned ms);
  std::string Text(int id);

 private:
  template <class T>
  T* Find(int id);
  void Focus(Window& control);

  Headless& headless_;
  Dialog& dialog_;
};

class Headless : public Backend {
 public:
  using Script = std::function<void(DialogDriver&)>;

  // Installs itself and fresh scripted UI services (clock at 0, screen 1280 x 1024); one at a
  // time.
  Headless();
  ~Headless() override;
  Headless(const Headless&) = delete;
  Headless& operator=(const Headless&) = delete;

  ScriptedUiServices& Ui() { return ui_; }

  uint64_t Now();
  // Time passes in one step, as if the program had been busy: every timer that came due ticks
  // once, in the order they came due.
  void Advance(unsigned ms);
  // Runs the application's idle phase if one is due (after a message, or at the start);
  // returns the number of OnIdle calls.
  int RunIdle();

  // Input: mouse points in the window's client coordinates; with the capture set, the capture
  // window gets the input. Each is a message: the next idle phase starts at count 0.
  void MouseDown(Window& window, Point p, unsigned flags = 0);
  void MouseMove(Window& window, Point p, unsigned flags = 0);
  void MouseUp(Window& window, Point p, unsigned flags = 0);
  void DoubleClick(Window& window, Point p, unsigned flags = 0);
  void Click(Window& window, Point p, unsigned flags = 0);
  // A key with its modifiers (kMkControl, ...): accelerators first, as the platform does.
  void KeyDown(Window& window, int key, unsigned modifiers = 0);
  void Close(Window& window);
  // A command chosen by the user.
  bool Command(FrameWnd& frame, int id);
  // The user opens the frame's menus along the path ("&Datei/&Öffnen...") and chooses the
  // item; false when there is no such item or it does not run (disabled, a modal dialog open).
  bool MenuCommand(FrameWnd& frame, std::string_view path);
  // The item as the user sees it once its popup has opened; nullopt when there is none.
  std::optional<MenuItem> MenuItemState(FrameWnd& frame, std::string_view path);
  // Called after every injected message.
  void NoteMessage();

  // Scripts for modal dialogs, by template number, template name or (property sheets) caption.
  void ExpectDialog(int templateId, Script script);
  void ExpectDialog(std::string label, Script script);
  int PendingScripts() const { return static_cast<int>(scripts_.size()); }

  // Failures are collected, and passed to the handler when one is set.
  void SetFailureHandler(std::function<void(const std::string&)> handler);
  const std::vector<std::string>& Failures() const { return failures_; }
  void Fail(const std::string& message);

  // Paints what is invalid in the window and below it and composes the window with its visible
  // children into an image of the window's size; nullptr for a window that does not exist.
  std::unique_ptr<CairoDc> Render(Window& window);
  bool WritePng(Window& window, const std::string& path);

  // The print dialog's answers: the PDF file of the next job, or nullopt for Cancel (also
  // when nothing is queued). The names of the documents asked about are kept.
  void QueuePrintFile(std::optional<std::string> pdfPath) {
    printFiles_.push_back(std::move(pdfPath));
  }
  void DropPrintFiles() { printFiles_.clear(); }
  const std::vector<std::string>& PrintJobs() const { return printJobs_; }

  void WindowChanged(Window& window, WindowChange change) override;
  void UpdateWindow(Window& window) override;
  std::unique_ptr<Dc> GetDC(Window& window) override;
  std::unique_ptr<Dc> CreateMemoryDc(Size size) override;
  std::unique_ptr<PrintTarget> StartPrintJob(const std::string& documentName) override;
  std::unique_ptr<PreviewTarget> StartPreviewJob(Size box, int keep) override;
  void RunModalLoop(Dialog& dialog) override;

 private:
  struct Expected {
    std::string label;
    Script script;
  };

  void Input(Window& window, MouseAction action, Point p, unsigned flags);
  void PaintInvalid(Window& window);
  void Compose(Window& window, CairoDc& target, Point origin, const Rect& clip);

  ScriptedUiServices ui_;
  std::vector<Expected> scripts_;
  std::vector<std::string> failures_;
  std::deque<std::optional<std::string>> printFiles_;
  std::vector<std::string> printJobs_;
  std::function<void(const std::string&)> onFailure_;
};

}  // namespace pf
