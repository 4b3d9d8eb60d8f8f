#include "pf/document.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "pf/app.h"
#include "pf/archive.h"
#include "pf/frame.h"
#include "pf/view.h"

namespace pf {

Document::~Document() {
  for (View* v : views_) v->document_ = nullptr;
}

void Document::SetTitle(std::string title) { title_ = std::move(title); }

void Document::SetPathName(const std::string& path) {
  path_ = path;
  title_ = std::filesystem::path(path).filename().string();
}

bool Document::OnNewDocument() {
  DeleteContents();
  path_.clear();
  modified_ = false;
  return true;
}

bool Document::OnOpenDocument(const std::string& path) {
  DeleteContents();
  modified_ = false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  try {
    Archive ar(in);
    Serialize(ar);
  } catch (const ArchiveError&) {
    DeleteContents();
    return false;
  }
  return true;
}

bool Document::OnSaveDocument(const std::string& path) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  try {
    Archive ar(out);
    Serialize(ar);
  } catch (const ArchiveError&) {
    return false;
  }
  out.close();
  if (!out) return false;
  modified_ = false;
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
}

void Document::RemoveView(View& view) {
  std::erase(views_, &view);
  view.document_ = nullptr;
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
    doc.OnCloseDocument();
    return nullptr;
  }
  const std::vector<View*> views = doc.Views();
  for (View* view : views) {
    view->OnInitialUpdate();
    if (auto* frame = dynamic_cast<MdiChildWnd*>(view->GetParentFrame())) {
      frame->SetWindowText(doc.GetTitle());
      frame->ShowWindow(true);
      if (MdiFrameWnd* main = frame->GetMdiFrame()) main->MdiActivate(frame);
    }
  }
  return &doc;
}

void DocTemplate::CreateFrame(Document& document) {
  App* app = App::Current();
  auto* main = app != nullptr ? dynamic_cast<MdiFrameWnd*>(app->GetMainWnd()) : nullptr;
  if (main == nullptr || !main->IsCreated() || !makeFrame_ || !makeView_) return;
  std::unique_ptr<MdiChildWnd> madeFrame = makeFrame_();
  std::unique_ptr<View> madeView = makeView_();
  if (!madeFrame || !madeView) return;
  MdiChildWnd& frame = main->AdoptChild(std::move(madeFrame));
  frame.CreateChild(*main, 0, main->GetClientRect(), document.GetTitle(), false);
  View& view = frame.AdoptChild(std::move(madeView));
  view.CreateChild(frame, 0, frame.GetClientRect());
  document.AddView(view);
  // The view hears of its activation when the frame becomes the active one.
  frame.SetActiveView(&view, false);
}

void DocTemplate::RemoveDocument(Document& document) {
  std::erase_if(documents_, [&](const auto& d) { return d.get() == &document; });
}

}  // namespace pf
