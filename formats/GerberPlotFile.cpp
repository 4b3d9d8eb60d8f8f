#include "formats/GerberPlotFile.h"

#include <algorithm>
#include <cmath>
#include <string>

int32_t Micrometres(double metres) {
  double um = metres * 1.0e6;
  if (!std::isfinite(um)) return 0;
  um = std::clamp(um, -1.0e9, 1.0e9);
  const double nearest = std::round(um);
  // The values come in single precision: within its rounding, a whole micrometre is one.
  if (std::fabs(um - nearest) < std::max(1.0e-3, std::fabs(um) * 1.0e-6)) um = nearest;
  return static_cast<int32_t>(um);
}

int32_t Micrometres(LaeWert value) { return Micrometres(static_cast<double>(value.Value())); }

MyStrng GerberPlotFile::SizeText(int64_t micrometres) {
  if (micrometres > kLargest) return MyStrng();
  micrometres = std::max<int64_t>(micrometres, 1);
  std::string text = std::to_string(micrometres / 1000);
  if (const int64_t fraction = micrometres % 1000; fraction != 0) {
    std::string decimals = std::to_string(1000 + fraction).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    text += "." + decimals;
  }
  return MyStrng(text.c_str());
}

void GerberPlotFile::WriteBegin() {
  allFit = true;
  RemoveAll();
  AddLine("G01*");
  AddLine("X000Y000D02*");
}

void GerberPlotFile::WriteEnd() {
  AddLine("X000Y000D02*");
  AddLine("M02*");
}

void GerberPlotFile::SelectAperture(const MyStrng& name) {
  if (name.IsEmpty()) return;
  AddLine(MyStrng("G54") + name + "*");
}

void GerberPlotFile::Write(const LPoint& p, const char* code) {
  if (!Fits(p.x) || !Fits(p.y)) {
    allFit = false;
    return;
  }
  AddLine(MyStrng("X") + MyStrng(p.x) + "Y" + MyStrng(p.y) + code);
}

void GerberPlotFile::MoveTo(const LPoint& p) { Write(p, "D02*"); }
void GerberPlotFile::DrawTo(const LPoint& p) { Write(p, "D01*"); }
void GerberPlotFile::Flash(const LPoint& p) { Write(p, "D03*"); }

void GerberPlotFile::Stroke(const LPoint& from, const LPoint& to) {
  MoveTo(from);
  DrawTo(to);
}

int32_t GerberPlotFile::BoundedStep(int64_t span, int64_t step) {
  span = span < 0 ? -span : span;
  const int64_t least = (span + kMaxStrokes - 1) / kMaxStrokes;
  return static_cast<int32_t>(std::clamp<int64_t>(std::max<int64_t>(step, least), 1, INT32_MAX));
}
