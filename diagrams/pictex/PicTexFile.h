#pragma once
// The PiCTeX writer of a diagram: one operation per PiCTeX construct, each turning screen
// pixels (y downwards) into picture millimetres (y upwards) and appending lines to the list.
// Numbers are never written in exponent form and texts have TeX's special characters
// escaped, so every picture compiles.

#include <string>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

class PicTexFile : public LineFile {
 public:
  PicTexFile();

  // The maps from pixels to millimetres, rounded to single precision.
  float X(int px) const;
  float Y(int py) const;

  // Frame and buffer.
  void SetOrigin(int x, int y);
  void FlushLine();
  void WriteRawLine(const MyStrng& text);
  void BeginPicture();
  void EndPicture();

  // One line each.
  void PlotLineTo(int x, int y);
  void SetPen(int x, int y);
  void Circle(int x, int y, int r);
  // Starts at angle a (degrees, counter-clockwise on the screen) and sweeps s degrees.
  void Arc(int x, int y, int r, float a, float s);
  void Grid(int n, int m);
  void SetPlotArea(int x1, int x2, int y1, int y2);
  void PutText(int x, int y, const MyStrng& text, char c1, char c2);
  void PutLabel(int x, int y, const MyStrng& text);
  void LineRight(int x, int y, int n);
  void LineLeft(int x, int y, int n);
  void LineUp(int x, int y, int n);
  void LineDown(int x, int y, int n);
  void SetDots(int n);
  void SetSolid();

  // Composite marks of s pixels.
  void Diamond(int x, int y, int s);
  void Cross(int x, int y, int s);

  // A point list that may span several lines; a list of fewer than two points is left out.
  void StartPlot();
  void PlotPoint(int x, int y);
  void EndPlot();

  // The number texts: "%6.2f", and "%10.4g" without its leading blanks.
  static std::string F6(float v);
  static std::string G(float v);
  // The text with # $ % & _ { } ~ ^ \ made printable.
  static std::string EscapeTeX(const char* text);

  float scaleX = 1.0f;  // millimetres per pixel
  float scaleY = 1.0f;
  float originX = 0.0f;  // millimetres
  float originY = 0.0f;
  int penX = 0;
  int penY = 0;
  MyStrng lineBuffer;
  char fontLetter = 'F';  // 'T', 'S', 'F', 'N' or 'L'

 private:
  void AppendPoint(int x, int y);
  // A \put of TeX text as it stands.
  void PutRaw(int x, int y, const std::string& tex, char c1, char c2);
  void PutLine(int x, int y, const char* direction, float length);

  // Points of the open list, held back until the second one arrives.
  int plotPoints_ = 0;
  int firstX_ = 0;
  int firstY_ = 0;
};
