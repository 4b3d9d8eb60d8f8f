#include "basics/ui/ErrorDialog.h"

#include "pf/window.h"
#include "resources/BasicsIds.h"

ErrorDialog::ErrorDialog(pf::Window* parent, ErrorReportingApp& app)
    : pf::Dialog(error_ids::kTemplate, parent), app_(app) {}

bool ErrorDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(error_ids::kMessage, VS_Error::GetFirstMessage().GetBuffer());
  return true;
}

void ErrorDialog::OnOK() {
  app_.SetErrorWindowClosed(1);
  pf::Dialog::OnOK();
}

void ErrorDialog::OnCancel() {
  app_.SetErrorWindowClosed(1);
  pf::Dialog::OnCancel();
}

ErrorReportingApp::~ErrorReportingApp() {
  if (errorDialog_) errorDialog_->DestroyWindow();
}

bool ErrorReportingApp::OnIdle(long count) {
  const bool more = pf::App::OnIdle(count);
  NoteErrors();
  return more;
}

void ErrorReportingApp::NoteErrors() {
  if (VS_Error::MessageCount() > 0 && errorPending_ == 0) errorPending_ = 1;
}

void ErrorReportingApp::ShowErrorDialog() {
  if (errorPending_ == 0) return;
  // An open window keeps its message; what came later is discarded when it closes.
  if (!errorDialog_) {
    auto dialog = std::make_unique<ErrorDialog>(GetMainWnd(), *this);
    if (!dialog->Create()) return;
    const pf::Size screen = pf::TheUiServices().ScreenSize();
    const pf::Rect r = dialog->GetWindowRect();
    const int left = screen.cx / 2 - r.Width() / 2;
    const int top = screen.cy / 2 - r.Height() / 2;
    dialog->MoveWindow({left, top, left + r.Width(), top + r.Height()});
    dialog->ShowWindow(true);
    dialog->UpdateWindow();
    errorDialog_ = std::move(dialog);
  }
  errorPending_ = 0;
}

void ErrorReportingApp::CloseErrorDialog() {
  if (!errorDialog_ || errorWindowClosed_ == 0) return;
  errorDialog_->DestroyWindow();
  errorDialog_.reset();
  errorWindowClosed_ = 0;
  errorPending_ = 0;
  VS_Error::ClearQueue();
}
