#pragma once
// The PiCTeX writer of a diagram: one operation per PiCTeX construct, each turning screen
// pixels (y downwards) into picture millimetres (y upwards) and appending lines to the list.
// Numbers are never written in exponent form and texts have TeX's special characters
// escaped. Within a clip area (a diagram's screen) PiCTeX gets only what it can compute: what
// lies outside is left out, long lines go in pieces and wide arcs as point lists. Solid
// stretches along an axis go out as rules; the dots that PiCTeX sets along other lines and
// arcs are spaced wider where a picture would set more than pdflatex's memory holds.

#include <string>
#include <string_view>
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
  // pdflatex keeps every dot of a line in its main memory, 36 words each, until the page is
  // out; LaTeX with pictex.sty takes 1,850,000 of its 5,000,000 words. A picture sets at most
  // this many dots (1,440,000 words), which leaves a third of the memory to the document.
  static constexpr int kDotBudget = 40000;
  // Every \plot and \circulararc sets a dot at its start, however wide the spacing, and a rule
  // takes the memory of two: a curve gives at most this many points, whose starts and rules
  // leave at least half the budget to the length of its lines.
  static constexpr int kMaxCurvePoints = kDotBudget / 4;
  // PiCTeX's spacing of the dots (0.4pt, millimetres).
  static constexpr double kPlotSymbolSpacing = 0.4 * 25.4 / 72.27;

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
  // The spacing (millimetres) of the dots along lines and arcs that keeps the dots since
  // BeginPicture within kDotBudget: PiCTeX's own while they fit. EndPicture sets it for the
  // picture.
  double DotSpacing() const;
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
  // Dotted lines and arcs, a dot every n millimetres (or the spacing, if wider).
  void SetDots(int n);
  void SetSolid();

  // Composite marks of s pixels.
  void Diamond(int x, int y, int s);
  void Cross(int x, int y, int s);

  // A point list that may span several lines; a list of fewer than two points is left out.
  void StartPlot();
  void PlotPoint(int x, int y);
  void EndPlot();

  // The width (millimetres) that LaTeX gives the text, at most, in the picture's font size (the
  // standard sizes of a 10pt document's Computer Modern).
  float TextWidth(std::string_view text) const;

  // The number texts: "%6.2f", and "%10.4g" without its leading blanks.
  static std::string F6(float v);
  static std::string G(float v);
  // The text with # $ % & _ { } ~ ^ \ < > | and "…" made printable.
  static std::string EscapeTeX(const char* text);

  float scaleX = 1.0f;  // millimetres per pixel
  float scaleY = 1.0f;
  float originX = 0.0f;  // millimetres
  float originY = 0.0f;
  // Where the diagram's grid ends on the right (millimetres); a text fitted to the picture ends
  // before it, so that it never widens the picture.
  float gridRight = 0.0f;
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
  // A solid stretch along an axis, which goes out as rules: one box each, whatever its length.
  bool AsRule(const Segment& part) const;
  void Rules(const Segment& part);
  // Pieces that PiCTeX can measure: each at most kMaxSegment millimetres across and up.
  int Pieces(const Segment& part) const;
  // The end of piece k of n (its start at 0).
  static std::pair<float, float> Along(const Segment& part, int k, int n);
  bool ArcFits(int x, int y, int r) const;
  void ArcPoints(int x, int y, int r, float a, float s);
  // Stretches along an axis go out as rules when asked; an arc's chords stay in its list.
  void PlotTo(float x, float y, bool rules);
  void OpenRun(float x, float y);
  void CloseRun();
  void CloseRule();
  void AppendPoint(float x, float y);
  void Note(float mm);
  // Counts the dots of a stretch of the length (millimetres) and the starts it adds.
  void Dots(double mm, int starts);
  // The length of the stretch between two points of the screen, in millimetres.
  double Length(float x0, float y0, float x1, float y1) const;
  // A \put of TeX text as it stands; left out when anchored outside the clip area.
  void PutRaw(int x, int y, const std::string& tex, char c1, char c2, float length = 0.0f);
  void PutLine(int x, int y, const char* direction, float length);

  pf::Rect clip_{};
  bool clipped_ = false;
  float reach_ = 0.0f;
  // The dots since BeginPicture: the starts, which cost one whatever the spacing; the length
  // drawn solid; the length drawn dotted and its dots at their own pitch.
  double starts_ = 0.0;
  double solidMm_ = 0.0;
  double dottedMm_ = 0.0;
  double dottedDots_ = 0.0;
  // \setdots's pitch (millimetres, 0 solid). Before any \setdots, PiCTeX sets the dots of a
  // \plot stretch by stretch, at least two each; after it, along the whole \plot.
  int pitch_ = 0;
  bool dashed_ = false;
  // The picture's first line after its frame, where the spacing goes.
  int32_t body_ = 0;
  // The open point list: the points given, the last one, and whether a \plot is open.
  int plotPoints_ = 0;
  float lastX_ = 0.0f;
  float lastY_ = 0.0f;
  bool runOpen_ = false;
  // The rule of the point list's last stretches, while more may join it.
  Segment rule_{};
  bool ruleOpen_ = false;
};
