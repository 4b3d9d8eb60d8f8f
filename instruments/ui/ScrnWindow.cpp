#include "instruments/ui/ScrnWindow.h"

#include <cstdio>
#include <ctime>

#include "basics/ClockTime.h"
#include "basics/MyStrng.h"
#include "diagrams/DiagramKinds.h"
#include "diagrams/pictex/PicTexDialog.h"
#include "pf/archive.h"
#include "pf/cairo_recording_dc.h"
#include "pf/dc.h"
#include "pf/file_dialog.h"
#include "pf/ui_services.h"
#include "pf/dialog.h"
#include "pf/window.h"
#include "simulator/SweepFreq.h"
#include "resources/ScreenIds.h"

namespace {

constexpr int kPlaneCode = 5;

int ColumnsOf(int code) {
  switch (code) {
    case 3: case 4: case 5: case 6: case 10: case 13: return 2;
    default: return 1;
  }
}

// The kinds drawn from the control's corner rather than from the screen's area.
bool AtOrigin(int code) { return code == 0 || code == 11 || code == 12; }

// A diagram key on its spin: the step for the lower arrow (delta > 0) and for the upper one.
struct SpinKey {
  int ScrnWindow::KeySpins::*spin;
  void (Diagramm::*lower)();
  void (Diagramm::*upper)();
};

constexpr SpinKey kSpinKeys[] = {
    {&ScrnWindow::KeySpins::refPos, &Diagramm::RefPosInc, &Diagramm::RefPosDec},
    {&ScrnWindow::KeySpins::refValue, &Diagramm::RefValueDown, &Diagramm::RefValueUp},
    {&ScrnWindow::KeySpins::yScale, &Diagramm::YScaleDown, &Diagramm::YScaleUp},
    {&ScrnWindow::KeySpins::xRefPos, &Diagramm::XRefPosDec, &Diagramm::XRefPosInc},
    {&ScrnWindow::KeySpins::xRefValue, &Diagramm::XRefValueDown, &Diagramm::XRefValueUp},
    {&ScrnWindow::KeySpins::xScale, &Diagramm::XScaleDown, &Diagramm::XScaleUp},
    {&ScrnWindow::KeySpins::markerStep, &Diagramm::MarkerPrev, &Diagramm::MarkerNext},
};

}  // namespace

MyStrng RunTimeStamp() {
  std::tm local{};
  ClockTime(local);
  char text[64];
  std::snprintf(text, sizeof text, "%d:%d:%d  %d.%d.%d", local.tm_hour, local.tm_min,
                local.tm_sec, local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
  return MyStrng(text);
}

MyStrng RunCaption(bool spice, const MyStrng& title, const MyStrng& date) {
  MyStrng caption = MyStrng(spice ? "Spice: " : "Ravilone: ") + title;
  if (!date.IsEmpty()) caption += MyStrng(" ") + date;
  return caption;
}

void RefuseWithoutResults() {
  pf::TheUiServices().Beep(pf::BeepKind::Warning);
  pf::TheUiServices().MessageBox("Keine Ergebnisse vorhanden", "Achtung", pf::MsgButtons::Ok,
                                 pf::MsgIcon::None);
}

void ScrnWindow::SetParent(pf::Window* window) {
  parent = window;
  for (auto& d : diagrams) d->SetOwner(window);
}

void ScrnWindow::SetArea(const pf::Rect& r) {
  x = r.left;
  width = r.right - r.left;
  y = r.top;
  height = r.bottom - r.top;
}

void ScrnWindow::SetSoftLabels(int top, int spacing) {
  softTop = top;
  softSpacing = spacing;
}

int ScrnWindow::GetPointCount() const { return sweep != nullptr ? sweep->count : 250; }

std::unique_ptr<Diagramm> ScrnWindow::CreateDiagram(int code) const {
  const DiagramKind* kind = DiagramKinds::Global().FindOrDefault(code);
  if (kind == nullptr) return nullptr;
  const bool origin = AtOrigin(kind->code);
  std::unique_ptr<Diagramm> d =
      kind->create(parent, origin ? 0 : x, origin ? 0 : y, width, height);
  const int n = GetPointCount();
  if (kind->code == kPlaneCode) {
    d->CreateCurve(0, n, 2);
    d->CreateCurve(1, n, 3);
    d->AttachStabCircle(1);
    d->CreateCurve(2, n, 3);
    d->AttachStabCircle(2);
  } else {
    d->CreateCurve(0, n, ColumnsOf(kind->code));
  }
  return d;
}

Diagramm* ScrnWindow::Find(int code) const {
  const DiagramKind* kind = DiagramKinds::Global().FindOrDefault(code);
  if (kind == nullptr) return nullptr;
  for (const auto& d : diagrams) {
    if (d->GetTypeName() == kind->name) return d.get();
  }
  return nullptr;
}

void ScrnWindow::Prepare(Diagramm& d) const {
  d.PlaceSoftLabels(softTop, softSpacing);
  d.SetFontFromOwner();
}

Diagramm* ScrnWindow::SelectDiagram(int code) {
  Diagramm* found = Find(code);
  if (found == nullptr) {
    std::unique_ptr<Diagramm> made = CreateDiagram(code);
    if (!made) return current;
    found = made.get();
    diagrams.push_back(std::move(made));
  }
  Prepare(*found);
  current = found;
  noRun = false;
  return current;
}

Diagramm* ScrnWindow::AdoptCopy(std::unique_ptr<Diagramm> copy) {
  const MyStrng name = copy->GetTypeName();
  std::erase_if(diagrams, [&name, this](const std::unique_ptr<Diagramm>& d) {
    if (!(d->GetTypeName() == name)) return false;
    if (current == d.get()) current = nullptr;
    return true;
  });
  copy->SetOwner(parent);
  copy->SetRect(GetArea());
  Prepare(*copy);
  current = copy.get();
  noRun = false;
  diagrams.push_back(std::move(copy));
  return current;
}

bool ScrnWindow::LayOut(pf::Window& dialog, int firstSpin, int secondSpin) {
  pf::Window* control = dialog.GetDlgItem(screen_ids::kScreen);
  const pf::Window* first = dialog.GetDlgItem(firstSpin);
  const pf::Window* second = dialog.GetDlgItem(secondSpin);
  const pf::Window* ok = dialog.GetDlgItem(pf::kIdOk);
  if (control == nullptr || first == nullptr || second == nullptr || ok == nullptr) return false;
  const pf::Rect spin = first->GetRect();
  const pf::Rect area{0, 0, spin.left - spin.Width(), ok->GetRect().bottom};
  SetParent(&dialog);
  SetArea(area);
  SetSoftLabels((spin.top + spin.bottom) / 2, second->GetRect().bottom - spin.bottom);
  control->MoveWindow(area);
  return true;
}

void ScrnWindow::ShowZeroLine() {
  if (current == nullptr) return;
  MarkNoRun();
  constexpr int kPoints = 50;
  current->RecreateCurve(0, kPoints);
  current->SetCurrentCurve(0);
  const double step = static_cast<double>(current->GetXScale()) * 10.0 / 49.0;
  for (int i = 0; i < kPoints; ++i) current->AppendPoint(static_cast<float>(i * step), 0.0f);
}

void ScrnWindow::ShowFirstCurve() const {
  if (current == nullptr) return;
  current->SetCurveVisible(0);
  current->curvesShown = 1;
}

bool ScrnWindow::ShowsResult() const {
  return current != nullptr && !noRun && current->ShowsPointsOf(0);
}

void ScrnWindow::SetCaptions(const MyStrng& header, const MyStrng& bottom) const {
  if (current == nullptr) return;
  current->SetCurrentCurve(0);
  current->SetCurrentCurveName(header);
  current->SetBottomLine(0, bottom);
  current->UpdateHeaderLines();
}

double ScrnWindow::GetTimeSpan() const {
  if (current == nullptr || !(current->GetTypeName() == "LinTimeDiag")) return 0.0;
  return static_cast<double>(current->GetXRefValue()) +
         10.0 * static_cast<double>(current->GetXScale());
}

void ScrnWindow::DrawItem(pf::Dc& dc) const {
  if (current != nullptr) current->Draw(&dc);
}

void ScrnWindow::SetCurvesShown(bool shown) const {
  if (current != nullptr) current->curvesShown = shown ? 1 : 0;
}

void ScrnWindow::HideCurves() const {
  for (const auto& d : diagrams) d->curvesShown = 0;
}

void ScrnWindow::Invalidate() const {
  if (parent == nullptr) return;
  if (pf::Window* control = parent->GetDlgItem(screen_ids::kScreen)) control->Invalidate();
}

bool ScrnWindow::StepKey(const KeySpins& spins, int id, int delta) const {
  if (current == nullptr || id == 0) return false;
  for (const SpinKey& key : kSpinKeys) {
    if (spins.*key.spin != id) continue;
    (current->*(delta > 0 ? key.lower : key.upper))();
    return true;
  }
  return false;
}

void ScrnWindow::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    ar << x << width << y << height << softTop << softSpacing;
    ar << static_cast<int32_t>(diagrams.size());
    for (auto& d : diagrams) {
      MyStrng name = d->GetTypeName();
      name.Serialize(ar);
      d->Serialize(ar);
    }
    return;
  }
  int32_t count = 0;
  ar >> x >> width >> y >> height >> softTop >> softSpacing >> count;
  // Places on the screen: the diagrams compute with them in ints.
  for (const int32_t v : {x, width, y, height, softTop, softSpacing}) {
    if (v < -kMaxCoordinate || v > kMaxCoordinate) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "bad screen place");
    }
  }
  if (width < 0 || height < 0) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "bad screen size");
  }
  ar.CheckCount(count, kMaxDiagrams, 0);
  diagrams.clear();
  current = nullptr;
  noRun = false;
  for (int32_t i = 0; i < count; ++i) {
    MyStrng name;
    name.Serialize(ar);
    const DiagramKind* kind = DiagramKinds::Global().Find(name.GetBuffer());
    if (kind == nullptr) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                             "unknown diagram kind " + name.ToCString());
    }
    std::unique_ptr<Diagramm> d = CreateDiagram(kind->code);
    d->Serialize(ar);
    // The diagram's own record names its kind too: both must agree, or the next load fails.
    if (!(d->GetTypeName() == name)) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                             "diagram kind " + d->GetTypeName().ToCString() + " stored as " +
                                 name.ToCString());
    }
    d->PlaceSoftLabels(softTop, softSpacing);
    d->UpdateGrid();
    diagrams.push_back(std::move(d));
  }
}

void ScrnWindow::ExportPicTex() {
  if (!ShowsResult()) {
    RefuseWithoutResults();
    return;
  }
  // Drawing sets the header's and the labels' texts, which a screen not drawn since its run
  // lacks, at their places on the screen.
  pf::CairoRecordingDc scratch;
  DrawItem(scratch);
  PicTexDialog size(parent);
  size.width = picTexWidth;
  size.largest = current->LargestPicTexWidth();
  if (size.DoModal() != pf::kIdOk) return;
  picTexWidth = size.width;
  MyStrng name = current->GetTypeName();
  if (current->GetBottomLineText() != "NoBottomLine") {
    name =
        current->GetBottomLineText().GetNextToken() + current->GetCurrentCurveName().GetNextToken();
  }
  pf::FileDialog file(false, ".tex", name.ToCString(),
                      pf::kOfnOverwritePrompt | pf::kOfnNoChangeDir, "PicTex_File (*.tex)|*.tex|");
  if (file.DoModal() != pf::kIdOk) return;
  current->SetPicTexFileName(MyStrng(file.GetPathName().c_str()));
  current->GetPicTex().fontLetter = size.fontLetter;
  if (!current->ExportPicTex(picTexWidth)) {
    pf::TheUiServices().MessageBox("Datei konnte nicht geschrieben werden: " + file.GetPathName(),
                                   "Fehler", pf::MsgButtons::Ok, pf::MsgIcon::Error);
  }
}
