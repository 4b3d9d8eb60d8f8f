#include "pf/document.h"

#include <algorithm>
#include <filesystem>

#include "pf/app.h"
#include "pf/archive.h"
#include "pf/command_ids.h"
#include "pf/file_dialog.h"
#include "pf/frame.h"
#include "pf/input_file.h"
#include "pf/path_map.h"
#include "pf/view.h"
#include "pf/whole_file.h"

namespace pf {
namespace {

namespace fs = std::filesystem;

void Report(const std::string& text) {
  const App* app = App::Current();
  TheUiServices().MessageBox(text, app != nullptr ? app->AppName() : "", MsgButtons::Ok,
                             MsgIcon::Error);
}

}  // namespace

Document::Document() {
  MapCommand(kIdFileSave, [this] { DoFileSave(); });
  MapCommand(kIdFileSaveAs, [this] { DoSave(""); });
  MapCommand(kIdFileClose, [this] {
    if (SaveModified()) OnCloseDocument();  // deletes this document
  });
}

Document::~Document() {
  for (View* v : views_) v->document_ = nullptr;
}

void Document::SetTitle(std::string title) {
  title_ = std::move(title);
  TitleFrames();
}

void Document::TitleFrames() {
  std::vector<MdiChildWnd*> frames;
  for (View* v : views_) {
    if (auto* frame = dynamic_cast<MdiChildWnd*>(v->GetParentFrame())) frames.push_back(frame);
  }
  MdiFrameWnd* main = nullptr;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    frames[i]->SetWindowText(frames.size() == 1 ? title_ : title_ + ":" + std::to_string(i + 1));
    main = frames[i]->GetMdiFrame();
  }
  if (main != nullptr) main->UpdateFrameTitle();
}

void Document::SetPathName(const std::string& path) {
  // The file's own path, so that its title, its folder and the files made beside it are the
  // file's however the path was spelt.
  path_ = MapWindowsPath(path);
  SetTitle(fs::path(path_).filename().string());
}

bool Document::OnNewDocument() {
  DeleteContents();
  path_.clear();
  SetModifiedFlag(false);
  return true;
}

bool Document::OnOpenDocument(const std::string& path) {
  DeleteContents();
  SetModifiedFlag(false);
  InputFile file(path, MaxFileBytes());
  openedFile_ = file.IsOpen();
  bool loaded = false;
  if (openedFile_) {
    try {
      Archive ar(file.Stream());
      Serialize(ar);
      loaded = true;
    } catch (const ArchiveError&) {
      file.ReadOn();
    }
  }
  // Asked after reading: a file that grew past the bound meanwhile is refused as a larger one.
  openRefusal_ = file.Refusal();
  if (loaded && openRefusal_.empty()) return true;
  if (openedFile_) DeleteContents();
  return false;
}

bool Document::OnSaveDocument(const std::string& path) {
  const bool ok = WriteWholeStream(path, [this](std::ostream& out) {
    try {
      Archive ar(out);
      Serialize(ar);
    } catch (const ArchiveError&) {
      return false;
    }
    return true;
  });
  if (!ok) {
    Report("Fehler beim Speichern der Datei " + path);
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

bool Document::SaveModified() {
  if (!IsModified()) return true;
  const App* app = App::Current();
  switch (TheUiServices().MessageBox("Änderungen in " + title_ + " speichern?",
                                     app != nullptr ? app->AppName() : "",
                                     MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case MsgResult::Yes: return DoFileSave();
    case MsgResult::No: return true;
    default: return false;
  }
}

bool Document::DoSave(const std::string& path) {
  std::string target = path;
  if (target.empty()) {
    const std::string ext = template_ != nullptr ? template_->GetDefaultExt() : "";
    std::string proposed = path_.empty() ? title_ : path_;
    if (!ext.empty() && !fs::path(proposed).has_extension()) proposed += "." + ext;
    FileDialog dialog(false, ext, proposed, kOfnHideReadOnly | kOfnOverwritePrompt,
                      template_ != nullptr ? template_->GetFilter() : "");
    if (dialog.DoModal() != kIdOk) return false;
    target = dialog.GetPathName();
  }
  if (!OnSaveDocument(target)) return false;
  if (target != path_) SetPathName(target);
  if (App* app = App::Current()) app->AddToRecentFileList(target);
  return true;
}

void Document::OnCloseDocument() {
  // Destroying a view's frame destroys the view, which leaves the list.
  while (!views_.empty()) {
    View* view = views_.back();
    if (FrameWnd* frame = view->GetParentFrame()) {
      frame->DestroyWindow();
    } else {
      view->DestroyWindow();
    }
    if (!views_.empty() && views_.back() == view) RemoveView(*view);
  }
  if (template_ != nullptr) template_->RemoveDocument(*this);
}

void Document::AddView(View& view) {
  views_.push_back(&view);
  view.document_ = this;
  TitleFrames();
}

void Document::RemoveView(View& view) {
  std::erase(views_, &view);
  view.document_ = nullptr;
  TitleFrames();
}

void Document::UpdateAllViews(View* sender, long hint) {
  const std::vector<View*> views = views_;
  for (View* v : views) {
    if (v != sender) v->OnUpdate(sender, hint);
  }
}

DocTemplate::DocTemplate(int resourceId, std::string docName, DocumentFactory makeDocument,
                         FrameFactory makeFrame, ViewFactory makeView)
    : resourceId_(resourceId),
      docName_(std::move(docName)),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView)) {}

DocTemplate::~DocTemplate() {
  while (!documents_.empty()) documents_.back()->OnCloseDocument();
}

Document* DocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible) {
  std::unique_ptr<Document> made = makeDocument_ ? makeDocument_() : nullptr;
  if (!made) return nullptr;
  Document& doc = *made;
  doc.template_ = this;
  documents_.push_back(std::move(made));
  if (makeVisible) CreateFrame(doc);
  bool ok;
  if (path.empty()) {
    ok = doc.OnNewDocument();
    if (ok) doc.SetTitle(docName_ + std::to_string(++untitled_));
  } else {
    ok = doc.OnOpenDocument(path);
    if (ok) doc.SetPathName(path);
  }
  if (!ok) {
    const std::string failure = path.empty() ? std::string() : doc.TakeOpenFailure(path);
    doc.OnCloseDocument();
    if (makeVisible && !failure.empty()) Report(failure);
    return nullptr;
  }
  if (makeVisible && !path.empty()) {
    if (App* app = App::Current()) app->AddToRecentFileList(path);
  }
  const std::vector<View*> views = doc.Views();
  for (View* view : views) InitialUpdateFrame(*view);
  return &doc;
}

View* DocTemplate::OpenNewWindow(Document& document) {
  View* view = CreateFrame(document);
  if (view != nullptr) InitialUpdateFrame(*view);
  return view;
}

void DocTemplate::InitialUpdateFrame(View& view) {
  view.OnInitialUpdate();
  auto* frame = dynamic_cast<MdiChildWnd*>(view.GetParentFrame());
  if (frame == nullptr) return;
  frame->ShowWindow(true);
  if (MdiFrameWnd* main = frame->GetMdiFrame()) main->MdiActivate(frame);
}

View* DocTemplate::CreateFrame(Document& document) {
  App* app = App::Current();
  auto* main = app != nullptr ? dynamic_cast<MdiFrameWnd*>(app->GetMainWnd()) : nullptr;
  if (main == nullptr || !main->IsCreated() || !makeFrame_ || !makeView_) return nullptr;
  std::unique_ptr<MdiChildWnd> madeFrame = makeFrame_();
  std::unique_ptr<View> madeView = makeView_();
  if (!madeFrame || !madeView) return nullptr;
  MdiChildWnd& frame = main->AdoptChild(std::move(madeFrame));
  frame.CreateChild(*main, 0, main->ClientArea(), document.GetTitle(), false);
  View& view = frame.AdoptChild(std::move(madeView));
  view.CreateChild(frame, 0, frame.GetClientRect());
  document.AddView(view);
  // The view hears of its activation when the frame becomes the active one.
  frame.SetActiveView(&view, false);
  return &view;
}

void DocTemplate::SetFileType(std::string defaultExt, std::string filter) {
  defaultExt_ = std::move(defaultExt);
  filter_ = std::move(filter);
}

void DocTemplate::RemoveDocument(Document& document) {
  std::erase_if(documents_, [&](const auto& d) { return d.get() == &document; });
}

}  // namespace pf
