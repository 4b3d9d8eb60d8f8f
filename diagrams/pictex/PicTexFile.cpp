#include "diagrams/pictex/PicTexFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "basics/Saturate.h"

namespace {

// Lines of a point list stay below this length.
constexpr int kPlotLineLimit = 78;
// \circulararc turns its start point with 32 times its radius, which must stay a dimension
// (511pt, 179.9 mm).
constexpr float kMaxArcRadius = 170.0f;
// \plot measures a line through 8 (|dx| + |dy|), which must stay a dimension (2047pt,
// 719.7 mm).
constexpr float kMaxSegment = 600.0f;
// An arc written as a point list keeps within this of the true arc (millimetres).
constexpr double kArcTolerance = 0.05;
// Bounds the work on absurd sizes: circles of which the clip area shows a short stretch, lines
// of a scale beyond any picture.
constexpr int kMaxSteps = 1 << 16;
constexpr double kPi = 3.14159265358979323846;
// A rule in a \put takes the memory of about one and a third dots.
constexpr int kRuleDots = 2;

const char* SizeCommand(char letter) {
  switch (letter) {
    case 'T':
      return "\\tiny ";
    case 'S':
      return "\\scriptsize ";
    case 'F':
      return "\\footnotesize ";
    case 'N':
      return "\\normalsize ";
    case 'L':
      return "\\large ";
    default:
      return "";
  }
}

// The widths of the printable ASCII characters from the blank on, as the writer sets them
// (escaped), in thousandths of an em of Computer Modern Roman 10pt, rounded up.
constexpr int kCharacterWidths[] = {
    334, 278, 501, 834, 500, 834, 778, 278, 389, 389, 501, 778,  //  !"#$%&'()*+
    278, 334, 278, 501, 501, 501, 501, 501, 501, 501, 501, 501,  // ,-./01234567
    501, 501, 278, 278, 778, 778, 778, 473, 778, 751, 709, 723,  // 89:;<=>?@ABC
    764, 681, 653, 785, 751, 362, 514, 778, 626, 917, 751, 778,  // DEFGHIJKLMNO
    681, 778, 737, 556, 723, 751, 751, 1028, 751, 751, 612, 278,  // PQRSTUVWXYZ[
    501, 278, 501, 360, 278, 501, 556, 445, 556, 445, 306, 501,  // \]^_`abcdefg
    556, 278, 306, 528, 278, 834, 556, 501, 556, 528, 392, 395,  // hijklmnopqrs
    389, 556, 528, 723, 528, 528, 445, 501, 278, 501, 501,       // tuvwxyz{|}~
};
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
constexpr int kEllipsisWidth = 1334;
// Any other character counts as wide as the widest above ("W").
constexpr int kWidestCharacter = 1028;

// Points per em of 10pt Computer Modern for the size letter: the size, raised where the smaller
// sizes' own designs set a character wider than the 10pt design scaled down does.
double PointsPerEm(char letter) {
  switch (letter) {
    case 'T':
      return 8.25;  // \tiny, 5pt
    case 'S':
      return 8.55;  // \scriptsize, 7pt
    case 'F':
      return 8.51;  // \footnotesize, 8pt
    case 'L':
      return 12.0;  // \large, 12pt
    default:
      return 10.0;  // \normalsize
  }
}

std::string Format(const char* format, double v) {
  const int n = std::snprintf(nullptr, 0, format, v);
  std::vector<char> buffer(static_cast<size_t>(n) + 1);
  std::snprintf(buffer.data(), buffer.size(), format, v);
  return buffer.data();
}

}  // namespace

PicTexFile::PicTexFile() { fileName = "aPicTex.tex"; }

float PicTexFile::X(float px) const { return scaleX * px - originX; }

float PicTexFile::Y(float py) const { return originY - scaleY * py; }

// A scale of inf or NaN (a grid of no width) must not reach the text.
std::string PicTexFile::F6(float v) { return Format("%6.2f", std::isfinite(v) ? v : 0.0f); }

std::string PicTexFile::G(float v) {
  if (!std::isfinite(v)) v = 0.0f;
  std::string text = Format("%10.4g", v);
  // TeX reads no exponents: large values go out whole, tiny ones as the zero they are.
  if (text.find('e') != std::string::npos) {
    text = Format(std::fabs(v) >= 1.0f ? "%.0f" : "%.4f", v);
  }
  return text.substr(text.find_first_not_of(' '));
}

std::string PicTexFile::EscapeTeX(const char* text) {
  std::string out;
  for (const char* p = text; *p != '\0'; ++p) {
    // Whatever input encoding the document reads.
    if (std::strncmp(p, kEllipsis.data(), kEllipsis.size()) == 0) {
      out += "\\ldots{}";
      p += kEllipsis.size() - 1;
      continue;
    }
    switch (*p) {
      case '#':
      case '$':
      case '%':
      case '&':
      case '_':
      case '{':
      case '}':
        out += '\\';
        out += *p;
        break;
      case '~':
        out += "\\textasciitilde{}";
        break;
      case '^':
        out += "\\textasciicircum{}";
        break;
      case '\\':
        out += "\\textbackslash{}";
        break;
      // The default text fonts hold other glyphs at these places (">" prints "¿").
      case '<':
        out += "\\textless{}";
        break;
      case '>':
        out += "\\textgreater{}";
        break;
      case '|':
        out += "\\textbar{}";
        break;
      default:
        out += *p;
    }
  }
  return out;
}

float PicTexFile::TextWidth(std::string_view text) const {
  int thousandths = 0;
  for (size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= ' ' && c <= '~') {
      thousandths += kCharacterWidths[c - ' '];
      ++i;
      continue;
    }
    const bool ellipsis = text.substr(i, kEllipsis.size()) == kEllipsis;
    thousandths += ellipsis ? kEllipsisWidth : kWidestCharacter;
    // On to the next character's first byte.
    for (++i; i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;) ++i;
  }
  constexpr double kMmPerPoint = 25.4 / 72.27;
  return static_cast<float>(thousandths / 1000.0 * PointsPerEm(fontLetter) * kMmPerPoint);
}

void PicTexFile::SetOrigin(int x, int y) {
  originX = scaleX * static_cast<float>(x);
  originY = scaleY * static_cast<float>(y);
}

void PicTexFile::SetClip(const pf::Rect& area) {
  clip_ = area;
  clipped_ = true;
}

void PicTexFile::Dots(double mm, int starts) {
  starts_ += starts;
  if (pitch_ > 0) {
    dottedMm_ += mm;
    dottedDots_ += mm / pitch_;
  } else {
    solidMm_ += mm;
  }
}

double PicTexFile::Length(float x0, float y0, float x1, float y1) const {
  return std::hypot(static_cast<double>(x1 - x0) * scaleX, static_cast<double>(y1 - y0) * scaleY);
}

// A dotted line sets a dot every pitch or every spacing, whichever is wider, so its dots are at
// most the fewer of its dots at its pitch and its length over the spacing.
double PicTexFile::DotSpacing() const {
  const double room = kDotBudget - starts_;
  const auto dots = [this](double spacing) {
    return solidMm_ / spacing + std::min(dottedDots_, dottedMm_ / spacing);
  };
  if (dots(kPlotSymbolSpacing) <= room) return kPlotSymbolSpacing;
  if (!(room > 0.0)) return kMaxReach;
  // Either the dotted lines keep their pitch, or every line takes the spacing.
  double spacing = (solidMm_ + dottedMm_) / room;
  if (room > dottedDots_) spacing = std::min(spacing, solidMm_ / (room - dottedDots_));
  return std::clamp(spacing, kPlotSymbolSpacing, double{kMaxReach});
}

void PicTexFile::Note(float mm) {
  // NaN goes out as 0 and reaches nothing.
  if (std::fabs(mm) > reach_) reach_ = std::fabs(mm);
}

bool PicTexFile::Clip(float x0, float y0, float x1, float y1, Segment& part) const {
  const float dx = x1 - x0;
  const float dy = y1 - y0;
  float t0 = 0.0f;
  float t1 = 1.0f;
  if (clipped_) {
    const float p[] = {-dx, dx, -dy, dy};
    const float q[] = {x0 - static_cast<float>(clip_.left), static_cast<float>(clip_.right) - x0,
                       y0 - static_cast<float>(clip_.top), static_cast<float>(clip_.bottom) - y0};
    for (int i = 0; i < 4; ++i) {
      if (p[i] == 0.0f) {
        if (q[i] < 0.0f) return false;
        continue;
      }
      const float t = q[i] / p[i];
      if (p[i] < 0.0f) {
        if (t > t1) return false;
        t0 = std::max(t0, t);
      } else {
        if (t < t0) return false;
        t1 = std::min(t1, t);
      }
    }
  }
  part = {t0 > 0.0f ? x0 + t0 * dx : x0, t0 > 0.0f ? y0 + t0 * dy : y0,
          t1 < 1.0f ? x0 + t1 * dx : x1, t1 < 1.0f ? y0 + t1 * dy : y1, t0 > 0.0f, t1 < 1.0f};
  return true;
}

int PicTexFile::Pieces(const Segment& part) const {
  const double mm = std::fabs(static_cast<double>(part.x1 - part.x0) * scaleX) +
                    std::fabs(static_cast<double>(part.y1 - part.y0) * scaleY);
  if (!(mm > kMaxSegment)) return 1;
  return static_cast<int>(std::min(std::ceil(mm / kMaxSegment), double{kMaxSteps}));
}

std::pair<float, float> PicTexFile::Along(const Segment& part, int k, int n) {
  if (k == 0) return {part.x0, part.y0};
  if (k == n) return {part.x1, part.y1};
  const float t = static_cast<float>(k) / static_cast<float>(n);
  return {part.x0 + t * (part.x1 - part.x0), part.y0 + t * (part.y1 - part.y0)};
}

bool PicTexFile::AsRule(const Segment& part) const {
  return pitch_ == 0 && (part.x0 == part.x1) != (part.y0 == part.y1);
}

void PicTexFile::Rules(const Segment& part) {
  const int n = Pieces(part);
  for (int k = 1; k <= n; ++k) {
    const auto [x0, y0] = Along(part, k - 1, n);
    const auto [x1, y1] = Along(part, k, n);
    const float left = std::min(X(x0), X(x1));
    const float bottom = std::min(Y(y0), Y(y1));
    const float across = std::fabs(X(x1) - X(x0));
    const float up = std::fabs(Y(y1) - Y(y0));
    for (float mm : {left, bottom, left + across, bottom + up}) Note(mm);
    Dots(0.0, kRuleDots);
    // To the hundredth, as the point lists it joins.
    const auto mm = [](float v) {
      const std::string text = F6(v);
      return text.substr(text.find_first_not_of(' '));
    };
    const std::string line =
        part.x0 == part.x1
            ? "\\put {\\vrule width .4pt height " + mm(up) + "mm}  [B]  at " + mm(left) + " " +
                  mm(bottom)
            : "\\put {\\vrule width " + mm(across) + "mm height .4pt}  [l]  at " + mm(left) +
                  " " + mm(bottom);
    WriteRawLine(line.c_str());
  }
}

void PicTexFile::FlushLine() {
  if (lineBuffer.IsEmpty()) return;
  AddLine(lineBuffer);
  lineBuffer = "";
}

void PicTexFile::WriteRawLine(const MyStrng& text) {
  lineBuffer = text;
  FlushLine();
}

void PicTexFile::BeginPicture() {
  reach_ = 0.0f;
  starts_ = solidMm_ = dottedMm_ = dottedDots_ = 0.0;
  pitch_ = 0;
  dashed_ = false;
  WriteRawLine("\\beginpicture");
  WriteRawLine("\\setcoordinatesystem units <1mm,1mm>");
  WriteRawLine("\\unitlength1mm");
  body_ = GetCount();
}

void PicTexFile::EndPicture() {
  const double spacing = DotSpacing();
  if (spacing > kPlotSymbolSpacing) {
    // Ahead of the drawing, so that \setdots takes it up as well.
    std::vector<MyStrng> lines;
    ForEach([&lines](const MyStrng& line) { lines.push_back(line); });
    RemoveAll();
    for (size_t i = 0; i <= lines.size(); ++i) {
      if (i == static_cast<size_t>(body_)) {
        AddLine(("\\plotsymbolspacing=" + Format("%.3f", std::ceil(spacing * 1000.0) / 1000.0) +
                 "mm")
                    .c_str());
      }
      if (i < lines.size()) AddLine(lines[i]);
    }
  }
  WriteRawLine("\\endpicture");
}

void PicTexFile::PlotLineTo(int x, int y) {
  Segment part{};
  if (Clip(static_cast<float>(penX), static_cast<float>(penY), static_cast<float>(x),
           static_cast<float>(y), part)) {
    if (AsRule(part)) {
      Rules(part);
    } else {
      const int n = Pieces(part);
      for (int k = 1; k <= n; ++k) {
        const auto [fromX, fromY] = Along(part, k - 1, n);
        const auto [toX, toY] = Along(part, k, n);
        for (float mm : {X(fromX), Y(fromY), X(toX), Y(toY)}) Note(mm);
        Dots(Length(fromX, fromY, toX, toY), dashed_ ? 1 : 2);
        const std::string line = "\\plot " + G(X(fromX)) + " " + G(Y(fromY)) + " " +
                                 G(X(toX)) + " " + G(Y(toY)) + " /";
        WriteRawLine(line.c_str());
      }
    }
  }
  SetPen(x, y);
}

void PicTexFile::SetPen(int x, int y) {
  penX = x;
  penY = y;
}

bool PicTexFile::ArcFits(int x, int y, int r) const {
  const float radius = static_cast<float>(std::abs(r));
  if (!(radius * std::max(std::fabs(scaleX), std::fabs(scaleY)) <= kMaxArcRadius)) return false;
  // A centre beside the area keeps the arc's numbers near the area's.
  return !clipped_ || (x >= clip_.left - std::abs(r) && x <= clip_.right + std::abs(r) &&
                       y >= clip_.top - std::abs(r) && y <= clip_.bottom + std::abs(r));
}

void PicTexFile::ArcPoints(int x, int y, int r, float a, float s) {
  const double radius = std::abs(static_cast<double>(r));
  const double mm = radius * std::max(std::fabs(scaleX), std::fabs(scaleY));
  const double step = mm > kArcTolerance ? 2.0 * std::acos(1.0 - kArcTolerance / mm) : kPi / 2;
  const double start = a * kPi / 180.0;
  const double sweep = s * kPi / 180.0;
  const double steps = std::ceil(std::fabs(sweep) / step);
  const int n = steps >= 1.0 ? static_cast<int>(std::min(steps, double{kMaxSteps})) : 1;
  StartPlot();
  for (int k = 0; k <= n; ++k) {
    const double angle = start + sweep * k / n;
    PlotTo(static_cast<float>(x + radius * std::cos(angle)),
           static_cast<float>(y - radius * std::sin(angle)), false);
  }
  EndPlot();
}

void PicTexFile::Circle(int x, int y, int r) {
  if (!ArcFits(x, y, r)) {
    ArcPoints(x, y, r, 0.0f, 360.0f);
    return;
  }
  Note(std::fabs(X(x)) + std::fabs(scaleX * r));
  Note(std::fabs(Y(y)) + std::fabs(scaleY * r));
  Dots(2.0 * kPi * std::fabs(static_cast<double>(scaleX) * r), 1);
  const std::string line = "\\circulararc 360 degrees  from " + G(X(x + r)) + " " + G(Y(y)) +
                           " center  at " + G(X(x)) + " " + G(Y(y));
  WriteRawLine(line.c_str());
}

void PicTexFile::Arc(int x, int y, int r, float a, float s) {
  if (!ArcFits(x, y, r)) {
    ArcPoints(x, y, r, a, s);
    return;
  }
  const float pi = 4.0f * std::atan(1.0f);
  const float ra = a * pi / 180.0f;
  const int px = TruncToInt32(static_cast<float>(r) * std::cos(ra) + static_cast<float>(x));
  const int py = TruncToInt32(static_cast<float>(y) - static_cast<float>(r) * std::sin(ra));
  Note(std::fabs(X(x)) + std::fabs(scaleX * r));
  Note(std::fabs(Y(y)) + std::fabs(scaleY * r));
  Dots(std::fabs(s * kPi / 180.0 * scaleX * r), 1);
  const std::string line = "\\circulararc " + G(s) + " degrees  from " + G(X(px)) + " " + G(Y(py)) +
                           " center  at " + G(X(x)) + " " + G(Y(y));
  WriteRawLine(line.c_str());
}

void PicTexFile::Grid(int n, int m) {
  const std::string line = "\\grid {" + std::to_string(n) + "} {" + std::to_string(m) + "} ";
  WriteRawLine(line.c_str());
}

void PicTexFile::SetPlotArea(int x1, int x2, int y1, int y2) {
  // \grid steps once past the area's far side before it stops.
  Note(std::max(std::fabs(X(x1)), std::fabs(X(x2))) + std::fabs(X(x2) - X(x1)));
  Note(std::max(std::fabs(Y(y1)), std::fabs(Y(y2))) + std::fabs(Y(y2) - Y(y1)));
  const std::string line = "\\setplotarea x from " + F6(X(x1)) + " to " + F6(X(x2)) + ", y from " +
                           F6(Y(y1)) + " to " + F6(Y(y2));
  WriteRawLine(line.c_str());
}

void PicTexFile::PutText(int x, int y, const MyStrng& text, char c1, char c2) {
  PutRaw(x, y, EscapeTeX(text.GetBuffer()), c1, c2);
}

void PicTexFile::PutLabel(int x, int y, const MyStrng& text) { PutText(x, y, text, 'l', 'b'); }

void PicTexFile::PutRaw(int x, int y, const std::string& tex, char c1, char c2, float length) {
  if (clipped_ && (x < clip_.left || x > clip_.right || y < clip_.top || y > clip_.bottom)) return;
  Note(std::fabs(X(x)) + std::fabs(length));
  Note(std::fabs(Y(y)) + std::fabs(length));
  const std::string line = std::string("\\put {") + SizeCommand(fontLetter) + tex + "}  [" + c1 +
                           c2 + "]  at " + G(X(x)) + " " + G(Y(y));
  WriteRawLine(line.c_str());
}

void PicTexFile::PutLine(int x, int y, const char* direction, float length) {
  PutRaw(x, y, std::string("\\line(") + direction + "){" + G(length) + "} ", 'B', 'l', length);
}

void PicTexFile::LineRight(int x, int y, int n) {
  PutLine(x, y, "1,0", scaleX * static_cast<float>(n));
}

void PicTexFile::LineLeft(int x, int y, int n) {
  PutLine(x, y, "-1,0", scaleX * static_cast<float>(n));
}

void PicTexFile::LineUp(int x, int y, int n) {
  PutLine(x, y, "0,1", scaleY * static_cast<float>(n));
}

void PicTexFile::LineDown(int x, int y, int n) {
  PutLine(x, y, "0,-1", scaleY * static_cast<float>(n));
}

void PicTexFile::SetDots(int n) {
  pitch_ = std::max(n, 0);
  dashed_ = true;
  WriteRawLine(("\\setdots <" + std::to_string(n) + "mm>").c_str());
}

void PicTexFile::SetSolid() {
  pitch_ = 0;
  dashed_ = true;
  WriteRawLine("\\setdots <0pt>");
}

// One point list, which costs PiCTeX one start.
void PicTexFile::Diamond(int x, int y, int s) {
  StartPlot();
  PlotPoint(x - s / 2, y);
  PlotPoint(x, y - s / 2);
  PlotPoint(x + s / 2, y);
  PlotPoint(x, y + s / 2);
  PlotPoint(x - s / 2, y);
  EndPlot();
}

void PicTexFile::Cross(int x, int y, int s) {
  LineRight(x - s / 2, y, s);
  LineUp(x, y + s / 2, s);
}

void PicTexFile::StartPlot() {
  plotPoints_ = 0;
  runOpen_ = false;
  ruleOpen_ = false;
}

void PicTexFile::PlotPoint(int x, int y) {
  PlotTo(static_cast<float>(x), static_cast<float>(y), true);
}

// A single point is no line for PiCTeX: a \plot opens with the first stretch inside the clip
// area and closes where the list leaves it.
void PicTexFile::PlotTo(float x, float y, bool rules) {
  const float fromX = lastX_;
  const float fromY = lastY_;
  lastX_ = x;
  lastY_ = y;
  if (++plotPoints_ == 1) return;
  Segment part{};
  if (!Clip(fromX, fromY, x, y, part)) {
    CloseRun();
    CloseRule();
    return;
  }
  if (rules && AsRule(part)) {
    CloseRun();
    // The strokes of a pixel column, up and down, make one rule.
    const bool extends = ruleOpen_ && !part.clippedStart &&
                         (part.x0 == part.x1 ? rule_.x0 == rule_.x1 && rule_.x0 == part.x0
                                             : rule_.y0 == rule_.y1 && rule_.y0 == part.y0);
    if (extends) {
      rule_ = {std::min({rule_.x0, part.x0, part.x1}), std::min({rule_.y0, part.y0, part.y1}),
               std::max({rule_.x1, part.x0, part.x1}), std::max({rule_.y1, part.y0, part.y1}),
               false, false};
    } else {
      CloseRule();
      rule_ = {std::min(part.x0, part.x1), std::min(part.y0, part.y1), std::max(part.x0, part.x1),
               std::max(part.y0, part.y1), false, false};
      ruleOpen_ = true;
    }
    if (part.clippedEnd) CloseRule();
    return;
  }
  CloseRule();
  if (part.clippedStart || !runOpen_) {
    CloseRun();
    OpenRun(part.x0, part.y0);
  }
  const int n = Pieces(part);
  for (int k = 1; k <= n; ++k) {
    const auto [fromX, fromY] = Along(part, k - 1, n);
    const auto [alongX, alongY] = Along(part, k, n);
    Dots(Length(fromX, fromY, alongX, alongY), dashed_ ? 0 : 2);
    AppendPoint(alongX, alongY);
  }
  if (part.clippedEnd) CloseRun();
}

void PicTexFile::OpenRun(float x, float y) {
  lineBuffer = "\\plot ";
  runOpen_ = true;
  Dots(0.0, dashed_ ? 1 : 0);
  AppendPoint(x, y);
}

void PicTexFile::AppendPoint(float x, float y) {
  Note(X(x));
  Note(Y(y));
  const std::string a = F6(X(x));
  const std::string b = F6(Y(y));
  const int64_t length = lineBuffer.GetLength() + static_cast<int64_t>(a.size() + b.size());
  if (length >= kPlotLineLimit) {
    FlushLine();
    lineBuffer = (a + " ").c_str();
  } else {
    lineBuffer += (a + " ").c_str();
  }
  lineBuffer += (b + " ").c_str();
}

void PicTexFile::CloseRun() {
  if (!runOpen_) return;
  if (lineBuffer.GetLength() >= kPlotLineLimit - 1) {
    FlushLine();
    WriteRawLine(" /");
  } else {
    lineBuffer += " /";
    FlushLine();
  }
  runOpen_ = false;
}

void PicTexFile::CloseRule() {
  if (!ruleOpen_) return;
  Rules(rule_);
  ruleOpen_ = false;
}

void PicTexFile::EndPlot() {
  CloseRun();
  CloseRule();
  plotPoints_ = 0;
}
