#include "pf/app.h"

#include <algorithm>

#include "pf/document.h"
#include "pf/file_dialog.h"
#include "pf/frame.h"
#include "pf/path_map.h"
#include "pf/ui_services.h"
#include "pf/view.h"
#include "pf/window.h"

namespace pf {
namespace {

App* current = nullptr;

constexpr std::string_view kRecentSection = "Recent File List";

std::string RecentKey(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

App::App(std::string appName)
    : appName_(std::move(appName)), profile_(std::make_unique<MemoryProfile>()) {
  current = this;
  MapCommand(kIdFileNew, [this] { OnFileNew(); });
  MapCommand(kIdFileOpen, [this] { OnFileOpen(); });
  MapCommand(kIdAppExit, [this] {
    if (mainWnd_) mainWnd_->Close();
  });
  MapCommandRange(kIdFileMru1, kIdFileMru1 + kMaxRecentFiles - 1, [this](int id) {
    const auto index = static_cast<std::size_t>(id - kIdFileMru1);
    // A copy: opening edits the list.
    if (index < recent_.size()) OpenDocumentFile(std::string(recent_[index]));
  });
  // As the platform shows them: "&1 path"; without recent files the first entry stays,
  // disabled, and the others leave the menu.
  MapUpdateRange(kIdFileMru1, kIdFileMru1 + kMaxRecentFiles - 1, [this](CmdUI& ui) {
    const auto index = static_cast<std::size_t>(ui.id - kIdFileMru1);
    if (index < recent_.size()) {
      std::string text = "&";
      text += std::to_string(index + 1);
      text += ' ';
      ui.SetText(text + recent_[index]);
    } else {
      ui.Enable(false);
      ui.visible = index == 0 && recent_.empty();
    }
  });
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
  TheUiServices().CheckHelpViewers();
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

Document* App::OpenDocumentFile(const std::string& name) {
  if (templates_.empty()) return nullptr;
  // Mapped once here, so that a document open by any spelling is found and the recent files
  // hold the file's path.
  const std::string path = MapWindowsPath(name);
  for (const auto& t : templates_) {
    for (const auto& doc : t->Documents()) {
      if (path.empty() || doc->GetPathName() != path) continue;
      if (!doc->Views().empty()) {
        auto* frame = dynamic_cast<MdiChildWnd*>(doc->Views().front()->GetParentFrame());
        if (frame != nullptr && frame->GetMdiFrame() != nullptr) {
          frame->GetMdiFrame()->MdiActivate(frame);
        }
      }
      return doc.get();
    }
  }
  return templates_.front()->OpenDocumentFile(path);
}

Document* App::OnFileNew() { return OpenDocumentFile(""); }

void App::OnFileOpen() {
  const DocTemplate* t = templates_.empty() ? nullptr : templates_.front().get();
  FileDialog dialog(true, t != nullptr ? t->GetDefaultExt() : "", "",
                    kOfnHideReadOnly | kOfnFileMustExist, t != nullptr ? t->GetFilter() : "");
  if (dialog.DoModal() == kIdOk) OpenDocumentFile(dialog.GetPathName());
}

bool App::SaveAllModified() {
  for (const auto& t : templates_) {
    for (const auto& doc : t->Documents()) {
      if (!doc->SaveModified()) return false;
    }
  }
  return true;
}

void App::CloseAllDocuments() {
  for (const auto& t : templates_) {
    while (!t->Documents().empty()) t->Documents().back()->OnCloseDocument();
  }
}

void App::LoadStdProfileSettings(int maxRecent) {
  maxRecent_ = std::clamp(maxRecent, 0, kMaxRecentFiles);
  recent_.clear();
  for (int i = 0; i < maxRecent_; ++i) {
    std::string path = profile_->GetProfileString(kRecentSection, RecentKey(i), "");
    if (!path.empty()) recent_.push_back(std::move(path));
  }
}

void App::AddToRecentFileList(const std::string& path) {
  if (maxRecent_ == 0 || path.empty()) return;
  std::erase(recent_, path);
  recent_.insert(recent_.begin(), path);
  if (recent_.size() > static_cast<std::size_t>(maxRecent_)) recent_.resize(maxRecent_);
  for (int i = 0; i < maxRecent_; ++i) {
    const auto index = static_cast<std::size_t>(i);
    profile_->WriteProfileString(kRecentSection, RecentKey(i),
                                 index < recent_.size() ? recent_[index] : "");
  }
}

void App::SetRegistryKey(std::string_view key) {
  profile_ = std::make_unique<IniProfile>(ProfilePath(key, appName_));
}

}  // namespace pf
