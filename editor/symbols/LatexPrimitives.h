#pragma once
// Texts of the LaTeX picture environment in picture units (1 mm); every one but
// LatexShortstack and LatexTextLength begins with the placement "\put(x,y)".

#include "basics/MyStrng.h"
#include "basics/Point.h"

MyStrng LatexPut(const Point& p);
MyStrng LatexCircle(const Point& p, int diameter);
// Direction 'V' stacks the characters; anything else writes the text on one line. The text is
// escaped (LatexEscaped); tail, TeX of the caller's own such as a unit sign, follows it as it
// stands (stacked: as the last row).
MyStrng LatexLabel(const Point& p, char direction, const MyStrng& text, const char* tail = "");
MyStrng LatexShortstack(const MyStrng& text, const char* tail = "");
// The text with TeX's special characters written so that TeX prints them.
MyStrng LatexEscaped(const MyStrng& text);
MyStrng LatexOval(const Point& p, int w, int h, char orientation);
MyStrng LatexFramebox(const Point& p, int w, int h, char orientation);
MyStrng LatexLine(const Point& p, int length, char orientation);
MyStrng LatexSlopedLine(const Point& p, int dx, int dy, int length);
MyStrng LatexVector(const Point& p, int dx, int dy, int length);
// A horizontal or vertical line from p toward q.
MyStrng LatexConnect(const Point& p, const Point& q);
int LatexTextLength(const MyStrng& text);
