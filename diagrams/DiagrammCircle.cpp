// What the circular kinds share: the frame around the chart, frequency labels at its foot
// and the curve marker with its read-out of angle, magnitude and frequency.

#include <string>

#include "basics/FloatWert.h"
#include "basics/Saturate.h"
#include "basics/WertMitDim.h"
#include "diagrams/Diagramm.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/OutText.h"

namespace {

constexpr int kLabelLength = 15;

MyStrng FixedWidth(const MyStrng& text) {
  std::string s = text.ToCString();
  s.resize(kLabelLength, ' ');
  return MyStrng(s);
}

MyStrng FrequencyText(float f) { return FreqWert(static_cast<double>(f)); }

}  // namespace

void Diagramm::SetSweepLimits(float start, float stop) {
  startFrequency = start;
  stopFrequency = stop;
  startText = FrequencyText(start);
  stopText = FrequencyText(stop);
}

void Diagramm::DrawFrequencyLabels(pf::Dc* dc, bool fromSweep, int rPrime, int step, int footY) {
  if (const DiagKurve* first = GetCurve(0)) {
    if (first->GetCursor() != 0) {
      startText = FrequencyText(first->GetY2(0));
      stopText = FrequencyText(first->GetY2(first->GetCount() - 1));
    } else if (fromSweep) {
      startText = FrequencyText(startFrequency);
      stopText = FrequencyText(stopFrequency);
    }
  }
  startText = FixedWidth(startText);
  stopText = FixedWidth(stopText);
  const struct {
    OutText* line;
    int px;
    int shape;
    const MyStrng& text;
  } labels[] = {{bottomLines[1].get(), centreX - rPrime - step / 2, 1, startText},
                {bottomLines[2].get(), centreX + rPrime - step / 2, 0, stopText}};
  for (const auto& l : labels) {
    if (l.line == nullptr) continue;
    l.line->SetPos(l.px, footY);
    l.line->SetSymbolShape(l.shape);
    l.line->StoreText(l.text);
    l.line->Draw(dc);
  }
}

void Diagramm::DrawCircleCurves(pf::Dc* dc) {
  if (curvesShown != 0) {
    if (DiagKurve* c = GetCurrentCurve()) c->EnableEndMarkers();
    DrawCurves(dc);
    if (marker) marker->Draw(dc);
  }
}

void Diagramm::FrameCircle(int r, int ringStep) {
  gridWidth = gridHeight = 2 * r;
  gridLeft = centreX - r;
  gridTop = centreY - r;
  if (title) {
    title->SetPos(innerX + innerWidth - 5 * ringStep - 3, innerY + innerHeight - 3);
    title->SetHeight(10);
    title->SetWidth(4 * ringStep);
    title->StoreText("");
  }
  for (int i : {1, 2}) {
    bottomLines[static_cast<size_t>(i)] = std::make_unique<TextWithSymbol>(owner, 0, 0, 30, 15);
  }
}

void Diagramm::CreateReadoutMarker(int r, int displayWidth) {
  PlaceMarker(3, TruncToInt32(centreX + 0.75 * r), TruncToInt32(centreY - 0.95 * r),
              displayWidth);
}

void Diagramm::WriteReadout(bool withFrequency) {
  const DiagKurve* c = GetCurrentCurve();
  if (!marker || c == nullptr) return;
  marker->SetLineText(0, FloatWert(static_cast<double>(c->GetX(markerIndex))) + "Grad");
  marker->SetLineText(1, FloatWert(static_cast<double>(c->GetY1(markerIndex))) + valueUnit);
  if (withFrequency) marker->SetLineText(2, FrequencyText(c->GetY2(markerIndex)));
  marker->UpdateTexts();
}
