#include "editor/symbols/LatexPrimitives.h"

#include <cstdlib>
#include <string>

namespace {

MyStrng Text(const std::string& s) { return MyStrng(s.c_str()); }
std::string N(int v) { return std::to_string(v); }
std::string Put(const Point& p) { return "\\put(" + N(p.x) + "," + N(p.y) + ")"; }
bool IsAcross(char o) { return o == 'L' || o == 'R'; }
bool IsUpDown(char o) { return o == 'O' || o == 'U'; }

}  // namespace

MyStrng LatexPut(const Point& p) { return Text(Put(p)); }

MyStrng LatexCircle(const Point& p, int diameter) {
  return Text(Put(p) + "{\\circle*{" + N(diameter) + "}}");
}

MyStrng LatexLabel(const Point& p, char direction, const MyStrng& text) {
  if (direction == 'V') return LatexPut(p) + LatexShortstack(text);
  return Text(Put(p) + "{" + text.ToCString() + "}");
}

MyStrng LatexShortstack(const MyStrng& text) {
  std::string s = "{\\shortstack{";
  const std::string chars = text.ToCString();
  for (size_t i = 0; i < chars.size(); ++i) {
    s += chars[i];
    s += i + 1 < chars.size() ? "\\\\" : "}}";
  }
  if (chars.empty()) s += "}}";
  return Text(s);
}

MyStrng LatexOval(const Point& p, int w, int h, char orientation) {
  std::string s = Put(p) + "{\\oval(";
  if (IsAcross(orientation)) {
    s += N(w) + "," + N(h) + ")[t]}";
  } else if (IsUpDown(orientation)) {
    s += N(h) + "," + N(w) + ")[r]}";
  } else {
    s += N(w) + "," + N(h) + ")}";
  }
  return Text(s);
}

MyStrng LatexFramebox(const Point& p, int w, int h, char orientation) {
  const bool upDown = IsUpDown(orientation);
  return Text(Put(p) + "{\\framebox(" + N(upDown ? h : w) + "," + N(upDown ? w : h) + "){}}");
}

MyStrng LatexLine(const Point& p, int length, char orientation) {
  const char* direction = "{\\line(1,0){";
  switch (orientation) {
    case 'L':
      direction = "{\\line(-1,0){";
      break;
    case 'O':
      direction = "{\\line(0,1){";
      break;
    case 'U':
      direction = "{\\line(0,-1){";
      break;
    default:
      break;
  }
  return Text(Put(p) + direction + N(length) + "}}");
}

MyStrng LatexSlopedLine(const Point& p, int dx, int dy, int length) {
  return Text(Put(p) + "{\\line(" + N(dx) + "," + N(dy) + "){" + N(length) + "}}");
}

MyStrng LatexVector(const Point& p, int dx, int dy, int length) {
  return Text(Put(p) + "{\\vector(" + N(dx) + "," + N(dy) + "){" + N(length) + "}}");
}

MyStrng LatexConnect(const Point& p, const Point& q) {
  if (p.y != q.y) return LatexLine(p, std::abs(q.y - p.y), p.y < q.y ? 'O' : 'U');
  return LatexLine(p, std::abs(q.x - p.x), p.x >= q.x ? 'L' : 'R');
}

int LatexTextLength(const MyStrng& text) { return 2 * text.GetLength(); }
