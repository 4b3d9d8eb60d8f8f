#pragma once
// The PiCTeX writer of a diagram: one operation per PiCTeX construct, each turning screen
// pixels (y downwards) into picture millimetres (y upwards) and appending lines to the list.
// Numbers are never written in exponent form and texts have TeX's special characters
// escaped. Within a clip area (a diagram's screen) PiCTeX gets only what it can compute: what
// lies outside is left out, long lines go in pieces and wide arcs as point lists.

#include <string>
#include <utility>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "pf/geometry.h"

class PicTexFile : public LineFile {
 public:
  // The widest picture offered (millimetres); a diagram may allow less (Diagramm).
  static constexpr int kLargestWidth = 500;
  // TeX sets no dimension beyond 16383.99pt (5758 mm); this leaves room for the texts' boxes,
  // which the reach leaves out, and for arcs that a narrower picture turns whole.
  static constexpr float kMaxReach = 4800.0f;

  PicTexFile();

  // The maps from pixels to millimetres, rounded to single precision.
  float X(float px) const;
  float Y(float py) const;

  // Frame and buffer.
  void SetOrigin(int x, int y);
  // Only what lies in the area (pixels) is written from here on; without one, everything.
  void SetClip(const pf::Rect& area);
  // The largest dimension (millimetres) that PiCTeX computes from the lines since
  // BeginPicture: coordinates, arcs' far sides and the ends of a grid's steps.
  float Reach() const { return reach_; }
  void FlushLine();
  void WriteRawLine(const MyStrng& text);
  void BeginPicture();
  void EndPicture();

  // One line each.
  void PlotLineTo(int x, int y);
  void SetPen(int x, int y);
  void Circle(int x, int y, int r);
  // Starts at angle a (degrees, counter-clockwise on the screen) and sweeps s degrees.
  // Circles and arcs wider than PiCTeX can turn, or centred far outside the clip area, are
  // written as point lists.
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
  struct Segment {
    float x0, y0, x1, y1;
    bool clippedStart, clippedEnd;
  };
  // The part of the line inside the clip area; false when none is.
  bool Clip(float x0, float y0, float x1, float y1, Segment& part) const;
  // Pieces that PiCTeX can measure: each at most kMaxSegment millimetres across and up.
  int Pieces(const Segment& part) const;
  // The end of piece k of n (its start at 0).
  static std::pair<float, float> Along(const Segment& part, int k, int n);
  bool ArcFits(int x, int y, int r) const;
  void ArcPoints(int x, int y, int r, float a, float s);
  void PlotTo(float x, float y);
  void OpenRun(float x, float y);
  void CloseRun();
  void AppendPoint(float x, float y);
  void Note(float mm);
  // A \put of TeX text as it stands; left out when anchored outside the clip area.
  void PutRaw(int x, int y, const std::string& tex, char c1, char c2, float length = 0.0f);
  void PutLine(int x, int y, const char* direction, float length);

  pf::Rect clip_{};
  bool clipped_ = false;
  float reach_ = 0.0f;
  // The open point list: the points given, the last one, and whether a \plot is open.
  int plotPoints_ = 0;
  float lastX_ = 0.0f;
  float lastY_ = 0.0f;
  bool runOpen_ = false;
};
