// The keys of a diagram: scales, reference value and position, curve marker and soft-key sets.

#include <algorithm>
#include <cmath>

#include "basics/Saturate.h"
#include "diagrams/Diagramm.h"
#include "diagrams/graphics/ConstGainCircles.h"
#include "diagrams/graphics/DiagGitter.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/FreeDiagMarker.h"
#include "diagrams/graphics/OutText.h"
#include "pf/ui_services.h"

namespace {

// One step of a scale index within 0..limit; false (unchanged) at the limit.
bool StepIndex(int& index, int delta, int limit) {
  if (delta > 0 ? index >= limit : index <= 0) return false;
  index += delta;
  return true;
}

// The last index of a kind's table; the base's limit without one.
int LastIndex(std::span<const float> table, int limit) {
  return table.empty() ? limit : std::min(limit, static_cast<int>(table.size()) - 1);
}

float Lookup(std::span<const float> table, int index, float current) {
  return index >= 0 && index < static_cast<int>(table.size()) ? table[static_cast<size_t>(index)]
                                                              : current;
}

}  // namespace

void Diagramm::Beep() const { pf::TheUiServices().Beep(pf::BeepKind::Warning); }

void Diagramm::AfterScaleChange() {
  UpdateLine(Line(headerLines, 0));
  if (grid) grid->Update();
  UpdateAll();
  MarkerUpdate();
}

void Diagramm::YScaleUp() {
  UpdateAll();
  if (!StepIndex(yScaleIndex, 1, kMaxYScaleIndex)) Beep();
  yScale = Lookup(yTable, yScaleIndex, yScale);
  refStale = 1;
  UpdateScale();
  AfterScaleChange();
}

void Diagramm::YScaleDown() {
  UpdateAll();
  if (!StepIndex(yScaleIndex, -1, kMaxYScaleIndex)) Beep();
  yScale = Lookup(yTable, yScaleIndex, yScale);
  refStale = 1;
  UpdateScale();
  AfterScaleChange();
}

bool Diagramm::HasCoarserXScale() const {
  return xScaleIndex < LastIndex(xTable, kMaxXScaleIndex);
}

void Diagramm::XScaleUp() {
  UpdateAll();
  if (!StepIndex(xScaleIndex, 1, LastIndex(xTable, kMaxXScaleIndex))) Beep();
  xScale = Lookup(xTable, xScaleIndex, xScale);
  refStale = 1;
  UpdateScale();
  AfterScaleChange();
}

void Diagramm::XScaleDown() {
  UpdateAll();
  if (!StepIndex(xScaleIndex, -1, LastIndex(xTable, kMaxXScaleIndex))) Beep();
  xScale = Lookup(xTable, xScaleIndex, xScale);
  refStale = 1;
  UpdateScale();
  AfterScaleChange();
}

void Diagramm::RefValueUp() {
  if (refStale != 0) {
    yRefSteps = TruncToInt32(static_cast<double>(refValue / yScale));
    refStale = 0;
  }
  if (yRefSteps < INT32_MAX) ++yRefSteps;
  UpdateAll();
  refValue = yScale * static_cast<float>(yRefSteps);
  AfterScaleChange();
}

void Diagramm::RefValueDown() {
  if (refStale != 0) {
    yRefSteps = TruncToInt32(static_cast<double>(refValue / yScale));
    refStale = 0;
  }
  if (yRefSteps > INT32_MIN) --yRefSteps;
  UpdateAll();
  refValue = yScale * static_cast<float>(yRefSteps);
  AfterScaleChange();
}

void Diagramm::RefPosInc() {
  if (yRefPos >= LastYRefPos()) {
    Beep();
    return;
  }
  UpdateAll();
  prevYRefPos = yRefPos;
  ++yRefPos;
  if (grid) grid->YRefLineDown();
  UpdateAll();
  UpdateLine(Line(headerLines, 0));
  if (grid) grid->Update();
  MarkerUpdate();
}

void Diagramm::RefPosDec() {
  if (yRefPos <= 0) {
    Beep();
    return;
  }
  UpdateAll();
  prevYRefPos = yRefPos;
  --yRefPos;
  if (grid) grid->YRefLineUp();
  UpdateAll();
  if (grid) grid->Update();
  UpdateLine(Line(headerLines, 0));
  MarkerUpdate();
}

void Diagramm::XRefPosInc() { Beep(); }
void Diagramm::XRefPosDec() { Beep(); }
void Diagramm::XRefValueUp() { Beep(); }
void Diagramm::XRefValueDown() { Beep(); }
void Diagramm::AuxKeyUp() { Beep(); }
void Diagramm::AuxKeyDown() { Beep(); }

void Diagramm::CreateMarker() {}

void Diagramm::DeleteMarker() {
  marker.reset();
  markerIndex = 0;
}

void Diagramm::MoveMarker() {
  const DiagKurve* c = GetCurrentCurve();
  if (!marker || c == nullptr) return;
  const float px = c->GetX(markerIndex);
  const float py = c->GetY1(markerIndex);
  marker->MoveTo(MapX(px, py), MapY(py, px));
}

void Diagramm::PlaceMarker(int lines, int left, int top, int width) {
  const DiagKurve* c = GetCurrentCurve();
  if (curvesShown == 0 || c == nullptr) return;
  const float px = c->GetX(markerIndex);
  const float py = c->GetY1(markerIndex);
  const int mx = MapX(px, py);
  const int my = MapY(py, px);
  if (!marker) marker = std::make_unique<MarkerWithDisplay>(owner, mx, my);
  marker->CreateDisplay(lines, ReadoutLeft(left), top, width, 10);
  marker->SetFont(font);
  WriteReadout(true);
  marker->Update();
}

void Diagramm::MarkerNext() {
  const DiagKurve* c = GetCurrentCurve();
  if (!marker || c == nullptr) return;
  // The getters clamp, so the index may reach the count and still show the last point.
  if (markerIndex < c->GetCount()) ++markerIndex;
  MoveMarker();
  WriteReadout(true);
}

void Diagramm::MarkerPrev() {
  if (!marker || GetCurrentCurve() == nullptr) return;
  if (markerIndex > 0) --markerIndex;
  MoveMarker();
  WriteReadout(true);
}

void Diagramm::MarkerUpdate() {
  MoveMarker();
  WriteReadout(false);
}

void Diagramm::SetModeLabels() {
  struct ModeLabels {
    char mode;
    const char* text6;
    const char* text7;
  };
  static constexpr ModeLabels kModeLabels[] = {{'L', "Frequenz", "LStabCirc"},
                                               {'G', "Frequenz", "GStabCirc"},
                                               {'A', "Frequenz", "LGainCirc"},
                                               {'B', "Frequenz", "GGainCirc"}};
  // The curve mode names itself only where there are other sets to step to.
  const char* text6 = "";
  const char* text7 = name == "RecPlanDiag" ? "Kurve" : "";
  for (const ModeLabels& m : kModeLabels) {
    if (m.mode != softKeyMode) continue;
    text6 = m.text6;
    text7 = m.text7;
  }
  if (softLabels[5]) softLabels[5]->SetText(text6);
  if (softLabels[6]) softLabels[6]->SetText(text7);
}

bool Diagramm::FreeMarkerShown() const { return freeMarker && freeMarker->IsErased() == 0; }

void Diagramm::EraseFreeMarker() {
  if (!freeMarker) return;
  freeMarker->SetErased(true);
  freeMarker->Update();
}

void Diagramm::SetCurveKeys() {
  EraseFreeMarker();
  EraseCurve(1);
  EraseCurve(2);
  EraseGainCircles('G');
  EraseGainCircles('L');
  softKeyMode = 'K';
  SetModeLabels();
  SetCurveLabel(0, headerLines[1].get());
  ShowCurve(0);
  UpdateLine(headerLines[1].get());
}

void Diagramm::SetStabKeys(int shown, char mode) {
  EraseFreeMarker();
  for (int i = 0; i < 3; ++i) {
    if (i != shown) EraseCurve(i);
  }
  softKeyMode = mode;
  SetModeLabels();
  SetCurveLabel(shown, headerLines[1].get());
  ShowCurve(shown);
  // With the sweep's curves on screen, the circle of the first frequency.
  DiagKurve* c = GetCurve(shown);
  if (curvesShown != 0 && c != nullptr) c->SetCursor(0);
  UpdateLine(headerLines[1].get());
  DeleteMarker();
}

void Diagramm::SetLoadStabKeys() { SetStabKeys(1, 'L'); }

void Diagramm::SetGenStabKeys() { SetStabKeys(2, 'G'); }

void Diagramm::SetGainKeys(char kind, char mode) {
  for (int i = 0; i < 3; ++i) EraseCurve(i);
  EraseGainCircles(kind == 'L' ? 'G' : 'L');
  // The set's read-out names its side by the mode.
  softKeyMode = mode;
  SetModeLabels();
  ConstGainCircles* set = GainCircles(kind);
  if (set != nullptr && headerLines[1]) set->SetLabel(headerLines[1].get());
  ShowGainCircles(kind);
  UpdateLine(headerLines[1].get());
  DeleteMarker();
  if (freeMarker) {
    freeMarker->SetGainCircles(set);
    freeMarker->SetErased(false);
    freeMarker->Update();
  }
}

void Diagramm::SetLoadGainKeys() { SetGainKeys('L', 'A'); }

void Diagramm::SetGenGainKeys() { SetGainKeys('G', 'B'); }

void Diagramm::RestoreSoftKeySet() {
  switch (softKeyMode) {
    case 'L': SetLoadStabKeys(); break;
    case 'G': SetGenStabKeys(); break;
    case 'A': SetLoadGainKeys(); break;
    case 'B': SetGenGainKeys(); break;
    default: break;
  }
}

void Diagramm::NextSoftKeySet() {
  const DiagKurve* first = GetCurve(0);
  if (first == nullptr) return;
  const bool sParameters = first->GetElementName().GetAt(0) == 'S';
  switch (softKeyMode) {
    case 'K':
      SetLoadStabKeys();
      break;
    case 'L':
      SetGenStabKeys();
      break;
    case 'G':
      if (sParameters) {
        SetLoadGainKeys();
      } else {
        SetCurveKeys();
      }
      break;
    case 'A':
      if (sParameters) {
        SetGenGainKeys();
      } else {
        SetCurveKeys();
      }
      break;
    case 'B':
      SetCurveKeys();
      break;
    default:
      return;
  }
  UpdateLine(softLabels[5].get());
  UpdateLine(softLabels[6].get());
}
