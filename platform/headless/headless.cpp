#include "pf/headless.h"

#include <cairo.h>

#include <algorithm>
#include <cctype>

#include "control_painter.h"
#include "pf/app.h"
#include "pf/controls.h"
#include "pf/frame.h"
#include "pf/pdf_print.h"
#include "pf/picture_print.h"
#include "pf/property_sheet.h"
#include "pf/timers.h"

namespace pf {
namespace {

// A phase whose OnIdle keeps answering true is cut off here: a real pump would wait for the
// next message instead.
constexpr int kMaxIdleCalls = 10000;

bool SameLabel(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

// The backing surface of a window that paints itself.
struct Surface : Window::Peer {
  explicit Surface(Size size)
      : image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, std::max(size.cx, 1),
                                         std::max(size.cy, 1))) {}
  ~Surface() override { cairo_surface_destroy(image); }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  Size GetSize() const {
    return {cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
  }
  cairo_surface_t* image;
};

Surface& SurfaceOf(Window& window) {
  const Rect r = window.GetClientRect();
  const Size size{std::clamp(r.Width(), 1, CairoDc::kMaxSide),
                  std::clamp(r.Height(), 1, CairoDc::kMaxSide)};
  auto* surface = dynamic_cast<Surface*>(window.peer.get());
  if (surface == nullptr || surface->GetSize() != size) {
    window.peer = std::make_unique<Surface>(size);
    surface = static_cast<Surface*>(window.peer.get());
    const auto dc = CairoDc::ForImageSurface(surface->image);
    if (dc) dc->FillRect(r, Brush{BrushStyle::Solid, window.GetBackgroundColor()});
  }
  return *surface;
}

// Copies the part r of the source image onto the target at (r.left, r.top) + offset.
void CopyArea(cairo_surface_t* target, cairo_surface_t* source, Point offset, const Rect& r) {
  if (r.IsEmpty()) return;
  cairo_surface_flush(source);
  cairo_t* cr = cairo_create(target);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, source, offset.x, offset.y);
  cairo_rectangle(cr, r.left + offset.x, r.top + offset.y, r.Width(), r.Height());
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_mark_dirty(target);
}

}  // namespace

template <class T>
T* DialogDriver::Find(int id) {
  Window* w = dialog_.GetDlgItem(id);
  if (w == nullptr) {
    if (auto* sheet = dynamic_cast<PropertySheet*>(&dialog_)) {
      if (PropertyPage* page = sheet->GetActivePage()) w = page->GetDlgItem(id);
    }
  }
  T* control = dynamic_cast<T*>(w);
  if (control == nullptr) {
    headless_.Fail("dialog " + dialog_.TemplateLabel() + ": no fitting control " +
                   std::to_string(id));
  }
  return control;
}

void DialogDriver::Type(int id, std::string_view text) {
  Window* w = dialog_.GetDlgItem(id);
  if (auto* combo = dynamic_cast<ComboBox*>(w)) {
    Focus(*combo);
    combo->UserType(text);
  } else if (auto* edit = Find<Edit>(id)) {
    Focus(*edit);
    edit->UserType(text);
  }
  headless_.NoteMessage();
}

void DialogDriver::Click(int id) {
  if (auto* button = Find<Button>(id)) {
    Focus(*button);
    button->Click();
  }
  headless_.NoteMessage();
}

void DialogDriver::Focus(Window& control) {
  // A radio button is its group's stop once the click has checked it.
  const auto* c = dynamic_cast<const Control*>(&control);
  const bool radio = c != nullptr && c->Kind() == ControlKind::RadioButton &&
                     c->IsWindowVisible() && c->IsWindowEnabled();
  if (radio || Dialog::IsTabStop(control)) control.SetFocus();
}

void DialogDriver::Key(int key, unsigned modifiers) {
  Window* focus = dialog_.GetFocusedWindow();
  headless_.KeyDown(focus != nullptr ? *focus : dialog_, key, modifiers);
}

void DialogDriver::TypeIntoFocus(std::string_view chars) {
  Window* focus = dialog_.GetFocusedWindow();
  if (auto* edit = dynamic_cast<Edit*>(focus)) {
    edit->UserTypeChars(chars);
  } else if (auto* combo = dynamic_cast<ComboBox*>(focus)) {
    combo->UserType(chars);
  } else {
    headless_.Fail("dialog " + dialog_.TemplateLabel() + ": no edit has the focus");
  }
  headless_.NoteMessage();
}

void DialogDriver::Select(int id, int index) {
  if (auto* list = Find<ListControl>(id)) {
    if (index < 0 || index >= list->GetCount()) {
      headless_.Fail("dialog " + dialog_.TemplateLabel() + ": no item " + std::to_string(index) +
                     " in " + std::to_string(id));
    }
    list->UserSelect(index);
  }
  headless_.NoteMessage();
}

void DialogDriver::Select(int id, std::string_view text) {
  auto* list = Find<ListControl>(id);
  if (list == nullptr) return;
  const int index = list->FindStringExact(-1, text);
  if (index == ListControl::kErr) {
    headless_.Fail("dialog " + dialog_.TemplateLabel() + ": no item \"" + std::string(text) +
                   "\" in " + std::to_string(id));
    return;
  }
  Select(id, index);
}

void DialogDriver::DoubleClick(int id, int index) {
  if (auto* list = Find<ListBox>(id)) list->UserDoubleClick(index);
  headless_.NoteMessage();
}

void DialogDriver::Spin(int id, bool up) {
  if (auto* updown = Find<UpDown>(id)) updown->Spin(up);
  headless_.NoteMessage();
}

void DialogDriver::Close() {
  dialog_.Close();
  headless_.NoteMessage();
}

bool DialogDriver::SelectPage(int index) {
  auto* sheet = dynamic_cast<PropertySheet*>(&dialog_);
  if (sheet == nullptr) {
    headless_.Fail("dialog " + dialog_.TemplateLabel() + " has no pages");
    return false;
  }
  const bool changed = sheet->SetActivePage(index);
  headless_.NoteMessage();
  return changed;
}

void DialogDriver::Advance(unsigned ms) { headless_.Advance(ms); }

std::string DialogDriver::Text(int id) {
  const Window* w = Find<Window>(id);
  return w != nullptr ? w->GetWindowText() : std::string();
}

Headless::Headless() {
  InstallUiServices(&ui_);
  InstallBackend(this);
}

Headless::~Headless() {
  InstallBackend(nullptr);
  InstallUiServices(nullptr);
}

uint64_t Headless::Now() { return ui_.TickCount(); }

void Headless::Advance(unsigned ms) {
  ui_.AdvanceClock(ms);
  Timers::Instance().MarkDue(Now());
  while (Timers::Instance().DispatchOne()) NoteMessage();
}

int Headless::RunIdle() {
  App* app = App::Current();
  int calls = 0;
  while (app != nullptr && calls < kMaxIdleCalls && app->RunIdleStep()) ++calls;
  if (calls == kMaxIdleCalls) Fail("idle processing does not end");
  return calls;
}

void Headless::NoteMessage() {
  if (App* app = App::Current()) app->NoteMessage();
}

void Headless::Input(Window& window, MouseAction action, Point p, unsigned flags) {
  Window* target = Window::GetCapture();
  if (target != nullptr && target != &window) {
    p = target->ScreenToClient(window.ClientToScreen(p));
  } else {
    target = &window;
  }
  target->Mouse(action, p, flags);
  NoteMessage();
}

void Headless::MouseDown(Window& w, Point p, unsigned flags) {
  Input(w, MouseAction::LButtonDown, p, flags);
}
void Headless::MouseMove(Window& w, Point p, unsigned flags) {
  Input(w, MouseAction::Move, p, flags);
}
void Headless::MouseUp(Window& w, Point p, unsigned flags) {
  Input(w, MouseAction::LButtonUp, p, flags);
}
void Headless::DoubleClick(Window& w, Point p, unsigned flags) {
  Input(w, MouseAction::LButtonDblClk, p, flags);
}

void Headless::Click(Window& w, Point p, unsigned flags) {
  MouseDown(w, p, flags);
  MouseUp(w, p, flags);
}

void Headless::KeyDown(Window& window, int key, unsigned modifiers) {
  window.KeyDown(key, modifiers);
  NoteMessage();
}

void Headless::Close(Window& window) {
  window.Close();
  NoteMessage();
}

bool Headless::Command(FrameWnd& frame, int id) {
  const bool ran = frame.IsWindowEnabled() && frame.UserCommand(id);
  NoteMessage();
  return ran;
}

bool Headless::MenuCommand(FrameWnd& frame, std::string_view path) {
  // A window that takes no input opens no menu.
  MenuItem* item = frame.IsWindowEnabled() ? frame.OpenMenuPath(path) : nullptr;
  const bool ran = item != nullptr && frame.ChooseMenuItem(*item);
  NoteMessage();
  return ran;
}

std::optional<MenuItem> Headless::MenuItemState(FrameWnd& frame, std::string_view path) {
  const MenuItem* item = frame.OpenMenuPath(path);
  if (item == nullptr) return std::nullopt;
  return *item;
}

void Headless::ExpectDialog(int templateId, Script script) {
  scripts_.push_back({std::to_string(templateId), std::move(script)});
}

void Headless::ExpectDialog(std::string label, Script script) {
  scripts_.push_back({std::move(label), std::move(script)});
}

void Headless::SetFailureHandler(std::function<void(const std::string&)> handler) {
  onFailure_ = std::move(handler);
}

void Headless::Fail(const std::string& message) {
  failures_.push_back(message);
  if (onFailure_) onFailure_(message);
}

void Headless::RunModalLoop(Dialog& dialog) {
  const std::string label = dialog.TemplateLabel();
  if (scripts_.empty() || !SameLabel(scripts_.front().label, label)) {
    Fail("modal dialog " + label + " without a script");
    dialog.EndDialog(kIdCancel);
    return;
  }
  const Script script = std::move(scripts_.front().script);
  scripts_.erase(scripts_.begin());
  DialogDriver driver(*this, dialog);
  if (script) script(driver);
  if (!dialog.HasEnded()) {
    Fail("modal dialog " + label + " still open after its script");
    dialog.EndDialog(kIdCancel);
  }
}

void Headless::WindowChanged(Window& window, WindowChange change) {
  // A new size needs a new surface, painted afresh.
  if (change == WindowChange::Geometry && window.peer) {
    const auto* surface = dynamic_cast<const Surface*>(window.peer.get());
    const Rect r = window.GetClientRect();
    if (surface != nullptr && surface->GetSize() != Size{r.Width(), r.Height()}) {
      window.peer.reset();
      window.Invalidate();
    }
  }
}

void Headless::UpdateWindow(Window& window) {
  const std::optional<Rect> update = window.GetUpdateRect();
  if (!update || PainterDraws(window)) {
    window.ValidateRect();
    return;
  }
  Surface& surface = SurfaceOf(window);
  // The window paints all of itself; only its update rectangle reaches the surface, as the
  // platform clips painting to the invalid part.
  const Rect client = window.GetClientRect();
  auto scratch = CairoDc::CreateImage(std::max(client.Width(), 1), std::max(client.Height(), 1),
                                      window.GetBackgroundColor());
  if (!scratch) return;
  window.Paint(*scratch);
  CopyArea(surface.image, scratch->Surface(), {0, 0}, Intersect(*update, client));
}

std::unique_ptr<Dc> Headless::GetDC(Window& window) {
  if (!window.IsCreated()) return Backend::GetDC(window);
  return CairoDc::ForImageSurface(SurfaceOf(window).image);
}

std::unique_ptr<Dc> Headless::CreateMemoryDc(Size size) {
  return CairoDc::CreateImage(size.cx, size.cy);
}

std::unique_ptr<PrintTarget> Headless::StartPrintJob(const std::string& documentName) {
  printJobs_.push_back(documentName);
  if (printFiles_.empty()) return nullptr;
  const std::optional<std::string> path = std::move(printFiles_.front());
  printFiles_.pop_front();
  if (!path) return nullptr;
  std::unique_ptr<PrintTarget> target = PdfPrintTarget::Create(*path);
  // As the desktop's print dialog says it.
  if (!target) {
    const App* app = App::Current();
    TheUiServices().MessageBox("Datei konnte nicht geschrieben werden: " + *path,
                               app != nullptr ? app->AppName() : "", MsgButtons::Ok,
                               MsgIcon::Error);
  }
  return target;
}

std::unique_ptr<PreviewTarget> Headless::StartPreviewJob(Size box, int keep) {
  return PicturePrintTarget::Create(box, keep);
}

void Headless::PaintInvalid(Window& window) {
  if (window.GetUpdateRect()) UpdateWindow(window);
  const std::vector<Window*> children = window.Children();
  for (Window* child : children) PaintInvalid(*child);
}

void Headless::Compose(Window& window, CairoDc& target, Point origin, const Rect& clip) {
  if (PainterDraws(window)) {
    target.SetViewportOrg(origin.x, origin.y);
    PaintStandardWindow(window, target);
    target.SetViewportOrg(0, 0);
  } else {
    const Rect client = window.GetClientRect();
    const Rect visible = Intersect(clip, client.Offset(origin.x, origin.y));
    CopyArea(target.Surface(), SurfaceOf(window).image, origin,
             visible.Offset(-origin.x, -origin.y));
  }
  for (Window* child : window.Children()) {
    if (!child->IsVisible()) continue;
    const Point at = origin + Point{child->GetRect().left, child->GetRect().top};
    const Rect childClip = Intersect(clip, child->GetClientRect().Offset(at.x, at.y));
    if (!childClip.IsEmpty()) Compose(*child, target, at, childClip);
  }
}

std::unique_ptr<CairoDc> Headless::Render(Window& window) {
  if (!window.IsCreated()) return nullptr;
  PaintInvalid(window);
  const Rect client = window.GetClientRect();
  auto image = CairoDc::CreateImage(std::max(client.Width(), 1), std::max(client.Height(), 1),
                                    window.GetBackgroundColor());
  if (image) Compose(window, *image, {0, 0}, client);
  return image;
}

bool Headless::WritePng(Window& window, const std::string& path) {
  const auto image = Render(window);
  return image && image->WritePng(path);
}

}  // namespace pf
