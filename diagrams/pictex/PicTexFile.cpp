#include "diagrams/pictex/PicTexFile.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "basics/Saturate.h"

namespace {

// Lines of a point list stay below this length.
constexpr int kPlotLineLimit = 78;

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

std::string Format(const char* format, double v) {
  const int n = std::snprintf(nullptr, 0, format, v);
  std::vector<char> buffer(static_cast<size_t>(n) + 1);
  std::snprintf(buffer.data(), buffer.size(), format, v);
  return buffer.data();
}

}  // namespace

PicTexFile::PicTexFile() { fileName = "aPicTex.tex"; }

float PicTexFile::X(int px) const { return scaleX * static_cast<float>(px) - originX; }

float PicTexFile::Y(int py) const { return originY - scaleY * static_cast<float>(py); }

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

void PicTexFile::SetOrigin(int x, int y) {
  originX = scaleX * static_cast<float>(x);
  originY = scaleY * static_cast<float>(y);
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
  WriteRawLine("\\beginpicture");
  WriteRawLine("\\setcoordinatesystem units <1mm,1mm>");
  WriteRawLine("\\unitlength1mm");
}

void PicTexFile::EndPicture() { WriteRawLine("\\endpicture"); }

void PicTexFile::PlotLineTo(int x, int y) {
  const std::string line =
      "\\plot " + G(X(penX)) + " " + G(Y(penY)) + " " + G(X(x)) + " " + G(Y(y)) + " /";
  WriteRawLine(line.c_str());
  SetPen(x, y);
}

void PicTexFile::SetPen(int x, int y) {
  penX = x;
  penY = y;
}

void PicTexFile::Circle(int x, int y, int r) {
  const std::string line = "\\circulararc 360 degrees  from " + G(X(x + r)) + " " + G(Y(y)) +
                           " center  at " + G(X(x)) + " " + G(Y(y));
  WriteRawLine(line.c_str());
}

void PicTexFile::Arc(int x, int y, int r, float a, float s) {
  const float pi = 4.0f * std::atan(1.0f);
  const float ra = a * pi / 180.0f;
  const int px = TruncToInt32(static_cast<float>(r) * std::cos(ra) + static_cast<float>(x));
  const int py = TruncToInt32(static_cast<float>(y) - static_cast<float>(r) * std::sin(ra));
  const std::string line = "\\circulararc " + G(s) + " degrees  from " + G(X(px)) + " " + G(Y(py)) +
                           " center  at " + G(X(x)) + " " + G(Y(y));
  WriteRawLine(line.c_str());
}

void PicTexFile::Grid(int n, int m) {
  const std::string line = "\\grid {" + std::to_string(n) + "} {" + std::to_string(m) + "} ";
  WriteRawLine(line.c_str());
}

void PicTexFile::SetPlotArea(int x1, int x2, int y1, int y2) {
  const std::string line = "\\setplotarea x from " + F6(X(x1)) + " to " + F6(X(x2)) + ", y from " +
                           F6(Y(y1)) + " to " + F6(Y(y2));
  WriteRawLine(line.c_str());
}

void PicTexFile::PutText(int x, int y, const MyStrng& text, char c1, char c2) {
  PutRaw(x, y, EscapeTeX(text.GetBuffer()), c1, c2);
}

void PicTexFile::PutLabel(int x, int y, const MyStrng& text) { PutText(x, y, text, 'l', 'b'); }

void PicTexFile::PutRaw(int x, int y, const std::string& tex, char c1, char c2) {
  const std::string line = std::string("\\put {") + SizeCommand(fontLetter) + tex + "}  [" + c1 +
                           c2 + "]  at " + G(X(x)) + " " + G(Y(y));
  WriteRawLine(line.c_str());
}

void PicTexFile::PutLine(int x, int y, const char* direction, float length) {
  PutRaw(x, y, std::string("\\line(") + direction + "){" + G(length) + "} ", 'B', 'l');
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
  WriteRawLine(("\\setdots <" + std::to_string(n) + "mm>").c_str());
}

void PicTexFile::SetSolid() { WriteRawLine("\\setdots <0pt>"); }

void PicTexFile::Diamond(int x, int y, int s) {
  SetPen(x - s / 2, y);
  PlotLineTo(x, y - s / 2);
  PlotLineTo(x + s / 2, y);
  PlotLineTo(x, y + s / 2);
  PlotLineTo(x - s / 2, y);
}

void PicTexFile::Cross(int x, int y, int s) {
  LineRight(x - s / 2, y, s);
  LineUp(x, y + s / 2, s);
}

void PicTexFile::StartPlot() {
  lineBuffer = "\\plot ";
  plotPoints_ = 0;
}

void PicTexFile::PlotPoint(int x, int y) {
  // A single point is no line for PiCTeX: the first one waits for a second.
  if (++plotPoints_ == 1) {
    firstX_ = x;
    firstY_ = y;
    return;
  }
  if (plotPoints_ == 2) AppendPoint(firstX_, firstY_);
  AppendPoint(x, y);
}

void PicTexFile::AppendPoint(int x, int y) {
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

void PicTexFile::EndPlot() {
  if (plotPoints_ < 2) {
    lineBuffer = "";
  } else if (lineBuffer.GetLength() >= kPlotLineLimit - 1) {
    FlushLine();
    WriteRawLine(" /");
  } else {
    lineBuffer += " /";
    FlushLine();
  }
  plotPoints_ = 0;
}
