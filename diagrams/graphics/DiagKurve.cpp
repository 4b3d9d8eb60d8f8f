#include "diagrams/graphics/DiagKurve.h"

#include <algorithm>
#include <string>

#include "diagrams/graphics/ColumnSpans.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

namespace {

// The repaint margin around the mapped points, wide enough for the symbols.
constexpr int kRepaintMargin = 8;

// One in how many of count things keeps them within limit.
size_t OneIn(size_t count, size_t limit) {
  return count <= limit ? 1 : (count + limit - 1) / limit;
}

// The points of a trace of the size written one in every: the first, one in every after it and
// the last.
size_t Sampled(size_t size, size_t every) {
  return size == 0 ? 0 : (size - 1 + every - 1) / every + 1;
}

// PiCTeX sets a dot at the start of every \plot and the dots along a line fill pdflatex's
// memory: what a curve writes beyond kMaxCurvePoints is left out, and the file says so.
void NoteLeftOut(PicTexFile& f, const std::string& what) {
  f.WriteRawLine(MyStrng(("% " + what + ": pdflatex's memory holds no more dots").c_str()));
}

}  // namespace

DiagKurve::DiagKurve(pf::Window* owner, DiagramMapping* diagram)
    : DiagBaseElement(owner, diagram),
      startSymbol(std::make_unique<GrafikSymbol>(owner)),
      endSymbol(std::make_unique<GrafikSymbol>(owner)),
      pointSymbol(std::make_unique<GrafikSymbol>(owner)) {
  name = "DiagKurve";
  startSymbol->SetShape('C');
}

void DiagKurve::Allocate(int n, int k) {
  Free();
  count = std::clamp(n, 0, kMaxPoints);
  columns = std::clamp(k, 1, kMaxColumns);
  x.assign(static_cast<size_t>(count), 0.0f);
  for (int c = 0; c < columns; ++c) y[static_cast<size_t>(c)].assign(x.size(), 0.0f);
}

void DiagKurve::Free() {
  x.clear();
  for (std::vector<float>& column : y) column.clear();
  count = 0;
  columns = 0;
}

void DiagKurve::Append(double px, double py) {
  AppendColumns(static_cast<float>(px), {static_cast<float>(py)});
}

void DiagKurve::Append(float px, float y1, float y2) {
  if (columns == 2) {
    AppendColumns(px, {y1, y2});
  } else {
    AppendColumns(px, {y1});
  }
}

void DiagKurve::Append(float px, float y1, float y2, float y3) { AppendColumns(px, {y1, y2, y3}); }

void DiagKurve::AppendColumns(float px, std::initializer_list<float> values) {
  if (cursor < 0 || cursor >= count) return;
  const auto i = static_cast<size_t>(cursor);
  x[i] = px;
  size_t c = 0;
  for (float v : values) {
    if (c < static_cast<size_t>(columns)) y[c][i] = v;
    ++c;
  }
  ++cursor;
}

void DiagKurve::AppendAndDraw(pf::Dc* dc, float px, float y1, float y2) {
  if (cursor < 0 || cursor >= count) return;
  const int i = cursor;
  Append(px, y1, y2);
  if (i == 0) {
    if (label != nullptr) label->Update();
    return;
  }
  if (diagram == nullptr) return;
  const PenScope pen(dc, ElementPen());
  dc->MoveTo(MapPoint(i - 1));
  dc->LineTo(MapPoint(i));
  if (endMarkers == 0) return;
  if (i == 1) PutSymbol(dc, *startSymbol, 0);
  if (i == count - 1) PutSymbol(dc, *endSymbol, i);
}

void DiagKurve::ScaleX(float f) {
  for (float& v : x) v *= f;
}

void DiagKurve::ScaleY(float f) {
  for (std::vector<float>& column : y) {
    for (float& v : column) v *= f;
  }
}

float DiagKurve::Get(const std::vector<float>& v, int i) {
  if (v.empty()) return 0.0f;
  return v[static_cast<size_t>(std::clamp(i, 0, static_cast<int>(v.size()) - 1))];
}

bool DiagKurve::CursorNext() {
  if (cursor >= count - 1) return false;
  ++cursor;
  UpdateCompanion();
  return true;
}

bool DiagKurve::CursorPrev() {
  if (cursor < 1) return false;
  --cursor;
  UpdateCompanion();
  return true;
}

bool DiagKurve::SetCursor(int i) {
  if (i < 0 || i > count - 1) return false;
  cursor = i;
  UpdateCompanion();
  return true;
}

void DiagKurve::UpdateCompanion() {
  if (stabCircle == 0 || !companion) return;
  companion->SetLabel(label);
  companion->SetData(GetX(cursor), GetY1(cursor), GetY3(cursor), GetY2(cursor));
  companion->Update();
}

void DiagKurve::SetPointStyle() {
  pointSymbol->SetOwner(owner);
  style = 'P';
  pointSymbol->SetColor(colour);
}

void DiagKurve::IncSymbolInterval() {
  if (symbolInterval < count - 1) ++symbolInterval;
}

void DiagKurve::DecSymbolInterval() {
  if (symbolInterval > 1) --symbolInterval;
}

void DiagKurve::EnableEndMarkers() {
  if (endMarkers != 0) return;
  startSymbol->SetOwner(owner);
  endSymbol->SetOwner(owner);
  endMarkers = 1;
}

void DiagKurve::EnableStabCircle() {
  // A loaded curve has the flag but not yet the circle.
  if (stabCircle != 0 && companion) return;
  if (!companion) companion = std::make_unique<StabCircle>(owner, diagram);
  companion->SetColor(colour);
  stabCircle = 1;
}

void DiagKurve::SetColor(const RgbColor& c) {
  DiagBaseElement::SetColor(c);
  pointSymbol->SetColor(c);
}

void DiagKurve::SetName(const MyStrng& text) {
  DiagBaseElement::SetName(text);
  if (companion) companion->SetName(text);
}

pf::Point DiagKurve::MapPoint(int i) const { return MapValue(*diagram, GetX(i), GetY1(i)); }

std::vector<std::vector<pf::Point>> DiagKurve::VisibleTraces() const {
  std::vector<std::vector<pf::Point>> traces;
  std::vector<pf::Point> trace;
  for (int i = 0; i < count; ++i) {
    const pf::Point p = MapPoint(i);
    // Mapping the point tells whether the pen runs to it.
    if (i > 0 && !diagram->IsPenLine()) {
      traces.push_back(ThinToColumns(trace));
      trace.clear();
    }
    trace.push_back(p);
  }
  traces.push_back(ThinToColumns(trace));
  return traces;
}

void DiagKurve::PutSymbol(pf::Dc* dc, GrafikSymbol& s, int i) const {
  const pf::Point p = MapPoint(i);
  s.SetCentre(p.x, p.y);
  s.Draw(dc);
}

void DiagKurve::Draw(pf::Dc* dc) {
  if (style != 'L' && style != 'P' && style != 'S') return;
  if (diagram != nullptr && count > 0) {
    const PenScope pen(dc, ElementPen());
    if (stabCircle != 0 && companion) companion->Draw(dc);
    if (style == 'L') DrawPolyline(dc);
    if (style == 'P') DrawPoints(dc);
    if (style == 'S') DrawSpectrum(dc);
  }
  if (label != nullptr) label->Draw(dc);
}

void DiagKurve::DrawPolyline(pf::Dc* dc) {
  // A symbol may move the current position, so it comes before the pen is placed.
  if (endMarkers != 0) PutSymbol(dc, *startSymbol, 0);
  for (const std::vector<pf::Point>& trace : VisibleTraces()) {
    dc->MoveTo(trace.front());
    for (size_t i = 1; i < trace.size(); ++i) dc->LineTo(trace[i]);
  }
  if (endMarkers != 0) PutSymbol(dc, *endSymbol, count - 1);
}

void DiagKurve::DrawPoints(pf::Dc* dc) {
  for (int i = 0; i < count; i += symbolInterval) {
    PutSymbol(dc, *pointSymbol, i);
    const pf::Point p = MapPoint(i);
    dc->SetPixel(p.x, p.y, ElementColorRef());
  }
  if (endMarkers == 0) return;
  PutSymbol(dc, *startSymbol, 0);
  if ((count - 1) % symbolInterval == 0) PutSymbol(dc, *endSymbol, count - 1);
}

void DiagKurve::DrawSpectrum(pf::Dc* dc) {
  const int bottom = diagram->GetGridBottom();
  for (int i = 0; i < count; ++i) {
    if (!diagram->IsInGrid(GetX(i), GetY1(i))) continue;
    const pf::Point p = MapPoint(i);
    dc->MoveTo(p);
    dc->LineTo(p.x, bottom);
  }
}

void DiagKurve::Update() {
  if (visible == 0) return;
  if (label != nullptr) label->SetText(elementName);
  if (endMarkers != 0) {
    startSymbol->Update();
    endSymbol->Update();
  }
  if (companion) companion->Update();
  drawn = 0;
  if (diagram == nullptr || count == 0) return;
  pf::Point lo = MapPoint(0);
  pf::Point hi = lo;
  for (int i = 1; i < count; ++i) {
    const pf::Point p = MapPoint(i);
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
  }
  InvalidateArea(
      {lo.x - kRepaintMargin, lo.y - kRepaintMargin, hi.x + kRepaintMargin, hi.y + kRepaintMargin});
}

void DiagKurve::WritePicTex(PicTexFile& f) const { WritePicTex(f, PicTexFile::kMaxCurvePoints); }

void DiagKurve::WritePicTex(PicTexFile& f, size_t limit) const {
  if (diagram == nullptr || count == 0) return;
  limit = std::max<size_t>(limit, 2);
  // Written where Draw puts them, without touching them in this const export.
  const auto writeSymbol = [&](const GrafikSymbol& symbol, int i) {
    const pf::Point p = MapPoint(i);
    GrafikSymbol placed(nullptr, p.x, p.y);
    placed.SetShape(symbol.GetShape());
    placed.WritePicTex(f);
  };
  // The end symbols stand where Draw puts them: none on a spectrum's lines, and among point
  // symbols the last only where one falls on it.
  const bool writesStart = endMarkers != 0 && style != 'S';
  bool writesEnd = writesStart;
  if (style == 'P') {
    const size_t shown = static_cast<size_t>((count - 1) / symbolInterval + 1);
    const size_t every = OneIn(shown, limit);
    if (every > 1) {
      NoteLeftOut(f, "one in " + std::to_string(every) + " of " + std::to_string(shown) +
                         " symbols written");
    }
    for (int i = 0; i < count; i += symbolInterval * static_cast<int>(every)) {
      writeSymbol(*pointSymbol, i);
    }
    writesEnd = writesEnd && (count - 1) % symbolInterval == 0;
  } else {
    const std::vector<std::vector<pf::Point>> traces = VisibleTraces();
    size_t kept = 0;
    for (const std::vector<pf::Point>& trace : traces) kept += trace.size();
    if (kept < static_cast<size_t>(count)) {
      // The points lie on the diagram's pixels, so a column is the finest step it resolves.
      f.WriteRawLine(MyStrng(("% " + std::to_string(count) + " points thinned to " +
                              std::to_string(kept) +
                              ": one vertical span per pixel column of the diagram")
                                 .c_str()));
    }
    // One in so many traces, so that their ends take at most half the points, and one in so
    // many points of each.
    const size_t everyTrace = OneIn(traces.size(), limit / 2);
    const auto written = [&](size_t every) {
      size_t n = 0;
      for (size_t k = 0; k < traces.size(); k += everyTrace) n += Sampled(traces[k].size(), every);
      return n;
    };
    size_t everyPoint = 1;
    while (written(everyPoint) > limit) ++everyPoint;
    const std::string points = "one in " + std::to_string(everyPoint) + " points";
    if (everyTrace > 1) {
      NoteLeftOut(f, "one in " + std::to_string(everyTrace) + " of " +
                         std::to_string(traces.size()) + " traces written" +
                         (everyPoint > 1 ? ", " + points + " of each" : ""));
    } else if (everyPoint > 1) {
      NoteLeftOut(f, points + " written");
    }
    for (size_t k = 0; k < traces.size(); k += everyTrace) {
      const std::vector<pf::Point>& trace = traces[k];
      f.StartPlot();
      for (size_t i = 0; i < trace.size(); i += everyPoint) f.PlotPoint(trace[i].x, trace[i].y);
      if (!trace.empty() && (trace.size() - 1) % everyPoint != 0) {
        f.PlotPoint(trace.back().x, trace.back().y);
      }
      f.EndPlot();
    }
  }
  if (writesStart) writeSymbol(*startSymbol, 0);
  if (writesEnd) writeSymbol(*endSymbol, count - 1);
  if (stabCircle != 0 && companion) companion->WritePicTex(f);
}

void DiagKurve::SetOwner(pf::Window* w) {
  DiagBaseElement::SetOwner(w);
  startSymbol->SetOwner(w);
  endSymbol->SetOwner(w);
  pointSymbol->SetOwner(w);
  if (companion) companion->SetOwner(w);
}
