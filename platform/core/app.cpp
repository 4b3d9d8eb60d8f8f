#include "pf/app.h"

#include "pf/document.h"
#include "pf/frame.h"
#include "pf/window.h"

namespace pf {
namespace {

App* current = nullptr;

}  // namespace

App::App(std::string appName)
    : appName_(std::move(appName)), profile_(std::make_unique<MemoryProfile>()) {
  current = this;
}

App::~App() {
  // The views go before their documents.
  if (mainWnd_) mainWnd_->DestroyWindow();
  mainWnd_.reset();
  templates_.clear();
  if (current == this) current = nullptr;
}

App* App::Current() { return current; }

bool App::OnIdle(long count) {
  if (count != 0) return false;
  if (auto* frame = dynamic_cast<FrameWnd*>(mainWnd_.get())) frame->OnIdleUpdateCmdUI();
  return true;
}

void App::NoteMessage() {
  idleCount_ = 0;
  idlePending_ = true;
}

bool App::RunIdleStep() {
  if (!idlePending_) return false;
  if (!OnIdle(idleCount_++)) idlePending_ = false;
  return true;
}

void App::SetMainWnd(std::unique_ptr<Window> window) {
  if (mainWnd_) mainWnd_->DestroyWindow();
  mainWnd_ = std::move(window);
}

DocTemplate& App::AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate) {
  templates_.push_back(std::move(docTemplate));
  return *templates_.back();
}

Document* App::OpenDocumentFile(const std::string& path) {
  return templates_.empty() ? nullptr : templates_.front()->OpenDocumentFile(path);
}

Document* App::OnFileNew() { return OpenDocumentFile(""); }

void App::SetRegistryKey(std::string_view key) {
  profile_ = std::make_unique<IniProfile>(ProfilePath(key, appName_));
}

}  // namespace pf
