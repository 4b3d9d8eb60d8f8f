#include "editor/symbols/LatexPrimitives.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

MyStrng Text(const std::string& s) { return MyStrng(s.c_str()); }
std::string N(int v) { return std::to_string(v); }
std::string Put(const Point& p) { return "\\put(" + N(p.x) + "," + N(p.y) + ")"; }
bool IsAcross(char o) { return o == 'L' || o == 'R'; }
bool IsUpDown(char o) { return o == 'O' || o == 'U'; }

std::string Escaped(char c) {
  switch (c) {
    case '#':
    case '%':
    case '&':
    case '_':
    case '{':
    case '}':
      return std::string("\\") + c;
    // Accents over nothing and math signs come from the fonts every TeX has.
    case '~':
      return "\\~{}";
    case '^':
      return "\\^{}";
    case '\\':
      return "$\\backslash$";
    case '$':
      return "$\\$$";
    // The text fonts hold other signs in these places.
    case '<':
    case '>':
    case '|':
      return std::string("$") + c + "$";
    default:
      return std::string(1, c);
  }
}

}  // namespace

MyStrng LatexPut(const Point& p) { return Text(Put(p)); }

MyStrng LatexCircle(const Point& p, int diameter) {
  return Text(Put(p) + "{\\circle*{" + N(diameter) + "}}");
}

MyStrng LatexEscaped(const MyStrng& text) {
  std::string s;
  for (const char c : text.ToCString()) s += Escaped(c);
  return Text(s);
}

MyStrng LatexLabel(const Point& p, char direction, const MyStrng& text, const char* tail) {
  if (direction == 'V') return LatexPut(p) + LatexShortstack(text, tail);
  return Text(Put(p) + "{" + LatexEscaped(text).ToCString() + tail + "}");
}

MyStrng LatexShortstack(const MyStrng& text, const char* tail) {
  std::vector<std::string> rows;
  for (const char c : text.ToCString()) rows.push_back(Escaped(c));
  if (*tail != '\0') rows.emplace_back(tail);
  std::string s = "{\\shortstack{";
  for (size_t i = 0; i < rows.size(); ++i) s += (i > 0 ? "\\\\" : "") + rows[i];
  return Text(s + "}}");
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
