#pragma once
// The error window: a modeless dialog that shows the oldest queued message, and
// the application's side of it. Idle processing marks queued messages as pending; a timer of
// the program opens the window for a pending error and, once the user closed it with OK or
// "Abbrechen", destroys it and empties the queue. Messages queued while it is open are not shown.

#include <memory>

#include "basics/MyStrng.h"
#include "basics/VS_Error.h"
#include "pf/app.h"
#include "pf/dialog.h"

class ErrorReportingApp;

class ErrorDialog : public pf::Dialog {
 public:
  ErrorDialog(pf::Window* parent, ErrorReportingApp& app);

  bool OnInitDialog() override;
  // Both set the application's closed flag first.
  void OnOK() override;
  void OnCancel() override;

 private:
  ErrorReportingApp& app_;
};

class ErrorReportingApp : public pf::App {
 public:
  using pf::App::App;
  ~ErrorReportingApp() override;

  // For code without an error part of its own; code 4.
  void ReportError(const MyStrng& message) { errorReporter_.Error(message, 4); }
  MyStrng GetErrorMessage() const { return VS_Error::GetFirstMessage(); }

  // The base's idle work, then NoteErrors.
  bool OnIdle(long count) override;
  // Queued messages make an error pending.
  void NoteErrors();
  // With an error pending: unless a window is open, creates it over the main window, centres it
  // on the screen, shows and paints it; then clears the pending flag.
  void ShowErrorDialog();
  // With the window open and its closed flag set: destroys it, clears both flags and empties
  // the queue.
  void CloseErrorDialog();

  ErrorDialog* GetErrorDialog() const { return errorDialog_.get(); }
  int GetErrorPending() const { return errorPending_; }
  void SetErrorPending(int pending) { errorPending_ = pending; }
  int GetErrorWindowClosed() const { return errorWindowClosed_; }
  void SetErrorWindowClosed(int closed) { errorWindowClosed_ = closed; }

 private:
  VS_Error errorReporter_;
  std::unique_ptr<ErrorDialog> errorDialog_;
  int errorPending_ = 0;
  int errorWindowClosed_ = 0;
};
