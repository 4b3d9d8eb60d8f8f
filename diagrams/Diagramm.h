#pragma once
// The abstract diagram of an instrument screen. It owns the curves, the grid, the labels, the
// curve marker with its read-out, the free marker and the circle overlays; it keeps the scale
// state that the soft keys change (value per division from the kind's table, reference value
// and position), the soft-key label column and mode (K curve, L/G stability, A/B gain
// circles), and offers the clipboard copies and the PiCTeX export. The kinds derive from it.

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "basics/MyStrng.h"
#include "basics/RgbColor.h"
#include "diagrams/Screen.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/gdi.h"

class CmplxRecVektor;
class ConstGainCircles;
class DiagGitter;
class DiagKurve;
class FreeDiagMarker;
class MarkerWithDisplay;
class OutText;
class PortMatrix;
class SmithPlane;

// What a copy of a diagram takes over, whole: the scales and references, the modes, the
// texts and the cursor positions. The parts that draw them (labels, curves, overlays) are not
// settings; a copy builds its own.
struct DiagrammSettings {
  // The window sets these directly.
  unsigned char curvesShown = 0;
  MyStrng valueUnit;
  MyStrng xUnitText;
  MyStrng yUnitText;
  float startFrequency = 1e9f;
  float stopFrequency = 2e10f;

  std::optional<pf::Font> font;
  MyStrng name;
  RgbColor red{250, 0, 0};
  int currentCurve = 0;
  unsigned char loadCirclesShown = 0;
  unsigned char genCirclesShown = 0;
  unsigned char planeShown = 0;
  MyStrng startText;
  MyStrng stopText;
  int yScaleIndex = 0;
  int xScaleIndex = 0;
  std::span<const float> yTable;
  std::span<const float> xTable;
  char xAxisMode = 'L';
  char pen = 'L';
  unsigned char refStale = 0;
  int divisions = 10;
  int gridWidth = 100;
  int gridHeight = 100;
  int gridLeft = 0;
  int gridTop = 0;
  int xRefPos = 0;
  float xRefValue = 0.0f;
  int xRefSteps = 0;
  int yRefPos = 0;
  int prevYRefPos = 0;
  int yRefSteps = 0;
  float refValue = 0.0f;
  float yScale = 1.0f;
  float xScale = 1.0f;
  float pixelsPerUnitX = 0.0f;
  float pixelsPerUnitY = 0.0f;
  unsigned char clipX = 1;
  unsigned char clipY = 1;
  char softKeyMode = 'K';
  int softLabelFirstY = 50;
  int softLabelSpacing = 44;
  int markerIndex = 0;
};

class Diagramm : public Screen, protected DiagrammSettings {
 public:
  static constexpr int kSoftLabels = 7;
  static constexpr int kTextLines = 5;
  static constexpr int kMaxCurves = 4;
  // The widest read-out text ("-123.456dBm", "-179.99Grad") in the screens' font, in pixels.
  static constexpr int kReadoutWidth = 64;
  // Lines of text in the screens' font (a cell of 12 pixels) stand this far apart at least.
  static constexpr int kLineHeight = 13;
  // The soft-key labels' boxes start this far before the inner area's right edge.
  static constexpr int kSoftLabelInset = 55;
  // The widest frequency text ("999.9MHz", "20.05GHz") in the screens' font, in pixels.
  static constexpr int kFrequencyTextWidth = 50;
  // Highest scale indices: the y tables hold 20 entries, the x tables 35.
  static constexpr int kMaxYScaleIndex = 19;
  static constexpr int kMaxXScaleIndex = 34;

  // Defaults without any label objects.
  Diagramm();
  Diagramm(pf::Window* owner, int x, int y, int width, int height);
  // Every setting, its own soft labels and bottom line 1; no curves or other parts.
  Diagramm(const Diagramm& other);
  // Every setting; the owner becomes none and the parts of the target are released.
  Diagramm& operator=(const Diagramm& other);
  ~Diagramm() override;

  // The archive of a diagram. Throws pf::ArchiveError on a short load, a scale index outside
  // its table or a reference position outside the grid.
  void Serialize(pf::Archive& ar) override;
  void SetOwner(pf::Window* w) override;
  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;

  // The mapping of the elements.
  int GetGridBottom() override { return centreY + gridHeight / 2; }
  bool IsInGrid(float, float) override { return true; }
  void ClipOn() override { clipX = clipY = 1; }
  void ClipOff() override { clipX = clipY = 0; }
  bool IsLoadStabMode() override { return softKeyMode == 'L'; }
  bool IsGenStabMode() override { return softKeyMode == 'G'; }
  bool IsLoadGainMode() override { return softKeyMode == 'A'; }
  bool IsGenGainMode() override { return softKeyMode == 'B'; }
  bool IsPenLine() override { return pen == 'L'; }
  bool IsPenMove() override { return pen == 'M'; }
  float GetYScale() override { return yScale; }
  float GetXScale() override { return xScale; }

  virtual void WriteHeader(pf::Dc* dc);
  virtual void DrawLabels(pf::Dc* dc);
  virtual void CreateMarker();
  virtual void DeleteMarker();
  virtual void SetTitle(const MyStrng& text);
  virtual void MarkerNext();
  virtual void MarkerPrev();
  void MarkerUpdate();
  virtual void UpdateXAxis() = 0;
  virtual void UpdateScale() = 0;
  virtual void SetFont(const std::optional<pf::Font>& f);
  virtual void SetXAxisMode(char mode);
  virtual void CreateCircleSets(char kind, int n);
  virtual void RebuildCircleSets(char kind, int n);
  // Scale and reference keys; a key that would leave its table or range beeps.
  virtual void YScaleUp();
  virtual void YScaleDown();
  virtual void XScaleUp();
  virtual void XScaleDown();
  virtual void RefValueUp();
  virtual void RefValueDown();
  virtual void XRefPosInc();
  virtual void XRefPosDec();
  virtual void XRefValueUp();
  virtual void XRefValueDown();
  virtual void RefPosDec();
  virtual void RefPosInc();
  virtual void AuxKeyUp();
  virtual void AuxKeyDown();
  // What the screen shows: the grid; while it shows curves, every curve it draws, the
  // overlays and the markers; then header lines 1 to 4 and the bottom lines 1 to 4.
  virtual void WritePicTex();
  // Whether the screen shows bottom line i + 1 (the logo none).
  virtual bool ShowsBottomLine(int i) const;
  // The owner window's font to SetFont.
  virtual void SetFontFromOwner();

  // Curves; an index out of range, or a curve that does not exist, does nothing.
  DiagKurve* GetCurve(int i) const;
  int GetCurveCount() const { return static_cast<int>(curves.size()); }
  DiagKurve* GetCurrentCurve() const { return GetCurve(currentCurve); }
  // Whether the screen draws curve i: the curves are shown, and it is neither erased nor empty.
  bool ShowsCurve(int i) const;
  // Whether the screen shows what curve i holds: the curves are shown and it holds points
  // (erased too: the plane's circle modes show the circles of curves they hide).
  bool ShowsPointsOf(int i) const;
  int GetCurrentCurveIndex() const { return currentCurve; }
  void SetCurrentCurve(int i) { currentCurve = i; }
  // Curves 0 to 3, with n points of k columns, labelled by header line i + 2.
  void CreateCurve(int i, int n, int k);
  void CreateCurves(int count, int n);
  void RecreateCurve(int i, int n);
  // Loads a curve file behind the current curve. False when the file does not load (it is
  // reported and the list stays as it was) or was made for another kind (it stays, erased).
  bool LoadCurve(pf::Archive& ar);
  void SerializeCurrentCurve(pf::Archive& ar);
  void DeleteCurves();

  // Data of the current curve.
  void AppendPoint(float px, float py);
  void AppendPoint2(float px, float y1, float y2);
  void AppendPointTo(int i, float px, float y1, float y2, float y3);
  // Draws the new segment at once on a device context of the owner window.
  void AppendPointAndDraw(float px, float py, float y2);
  void RestartCurrentCurve() { RestartCurve(currentCurve); }
  void RestartCurve(int i);
  void SetLineStyle();
  void SetSpectrumStyle();
  bool IsLineStyle() const;
  void ScaleCurvesX(float f);
  void ScaleCurvesY(float f);

  // Names and labels.
  void SetCurveName(int i, const MyStrng& text);
  void SetCurrentCurveName(const MyStrng& text);
  MyStrng GetCurrentCurveName() const;
  void SetCurveNetName(const MyStrng& text);
  void SetCurveDate(const MyStrng& text);
  void SetCurveLabel(int i, OutText* l);
  void SetCurrentCurveLabel(OutText* l) { SetCurveLabel(currentCurve, l); }

  // Visibility and cursors.
  void ShowCurve(int i);
  void ShowCurrentCurve();
  void EraseCurve(int i);
  void SetCurveVisible(int i);
  void UpdateCurrentCurve();
  void AttachStabCircle(int i);
  bool CurveCursorNext(int i);
  bool CurveCursorPrev(int i);

  // Overlays; kind 'L' (load) or 'G' (generator), another letter does nothing.
  void ShowSmithPlane();
  void HideSmithPlane();
  void ShowGainCircles(char kind);
  void EraseGainCircles(char kind);
  void ResetGainCircles(char kind);
  // The sets are filled: the first frequency's becomes the current one.
  void SetGainCirclesReady(char kind);
  void AddGainCircle(char kind, float f, const CmplxRecVektor& parameters,
                     const PortMatrix& matrix);
  // The next or previous frequency's set; the free marker follows its matrix. False at the
  // last or first set.
  bool NextGainCircle(char kind);
  bool PrevGainCircle(char kind);

  // The free marker; nothing without one or while it is not shown (it is shown with the gain
  // circles, and its label is a curve's otherwise).
  void FreeMarkerRight();
  void FreeMarkerLeft();
  void FreeMarkerUp();
  void FreeMarkerDown();
  bool HasMarker() const;

  // Texts.
  void SetBottomLine(int i, const MyStrng& text);
  MyStrng GetBottomLineText() const;
  // The start and stop frequency and the texts of the circular kinds' frequency labels, which
  // otherwise come from curve 0 while it is being filled.
  void SetSweepLimits(float start, float stop);
  void SetLabel1Text(const MyStrng& text);
  void SetLabel2Text(const MyStrng& text);
  void UpdateLabels();
  void UpdateHeaderLines();

  // Soft keys.
  void PlaceSoftLabels(int firstY, int spacing);
  void NextSoftKeySet();
  // After the curves and circle sets were filled anew: what the set of the mode shows, from
  // its first frequency; the curve mode keeps what the fill shows.
  void RestoreSoftKeySet();
  void SetCurveKeys();
  void SetLoadStabKeys();
  void SetGenStabKeys();
  void SetLoadGainKeys();
  void SetGenGainKeys();
  char GetSoftKeyMode() const { return softKeyMode; }
  const OutText* GetSoftLabel(int i) const;

  void UpdateGrid();

  // Output. CopyToClipboard draws the inner area into a memory surface and puts it on the
  // clipboard as a bitmap; false when the surface could not be made.
  bool CopyToClipboard();
  void CopyCurveDataToClipboard();
  // The picture at the width in the writer's lines, clipped to the screen.
  void MakePicTex(int widthMm);
  // MakePicTex, then the file; false when it could not be written.
  bool ExportPicTex(int widthMm);
  // The widest picture (millimetres, at most PicTexFile::kLargestWidth) whose every dimension
  // TeX can set; the writer is left holding a trial picture.
  int LargestPicTexWidth();
  void SetPicTexFileName(const MyStrng& text) { picTex.fileName = text; }
  PicTexFile& GetPicTex() { return picTex; }
  void Refresh();
  void UpdateAll();
  void DrawCurves(pf::Dc* dc);

  MyStrng GetTypeName() const { return name; }
  // The smallest screen on which the kind's texts after a run, at their widest, stand whole and
  // clear of each other at that size and at every one as wide and as high or more; the screens'
  // text rules, run over the sizes, find it. "plot" refuses a smaller one.
  virtual pf::Size SmallestSize() const = 0;
  int GetMarkerIndex() const { return markerIndex; }
  // The point the next CreateMarker puts the marker on.
  void SetMarkerIndex(int i) { markerIndex = i; }
  const MarkerWithDisplay* GetMarker() const { return marker.get(); }
  const DiagGitter* GetGrid() const { return grid.get(); }
  const OutText* GetHeaderLine(int i) const { return Line(headerLines, i); }
  const OutText* GetBottomLine(int i) const { return Line(bottomLines, i); }
  int GetYScaleIndex() const { return yScaleIndex; }
  int GetYRefPos() const { return yRefPos; }
  float GetRefValue() const { return refValue; }
  float GetXRefValue() const { return xRefValue; }
  char GetXAxisMode() const { return xAxisMode; }
  // Whether XScaleUp has a coarser value per division left.
  bool HasCoarserXScale() const;

  // Settings that the screen window sets directly.
  using DiagrammSettings::curvesShown;
  using DiagrammSettings::startFrequency;
  using DiagrammSettings::stopFrequency;
  using DiagrammSettings::valueUnit;
  using DiagrammSettings::xUnitText;
  using DiagrammSettings::yUnitText;

 protected:
  using TextLines = std::array<std::unique_ptr<OutText>, kTextLines>;
  static OutText* Line(const TextLines& lines, int i) {
    return i >= 0 && i < kTextLines ? lines[static_cast<size_t>(i)].get() : nullptr;
  }
  // The seven labels of the soft-key column from firstY (in inner coordinates) down.
  void BuildSoftLabels(int firstY, int spacing);
  // Header line i + 1 (150 x 10) at (px, py); an existing line moves, so the curves that it
  // labels keep it.
  void PlaceHeaderLine(int i, int px, int py);
  // Bottom line 1 at the inner area's lower left.
  void BuildBottomLine();
  // Moves the curve marker onto the current curve's point at the marker index.
  void MoveMarker();
  std::unique_ptr<DiagKurve> MakeCurve(int i, int n, int k);
  ConstGainCircles* GainCircles(char kind) const;
  unsigned char* GainCirclesShown(char kind);
  // The highest y reference position, the grid's last division.
  virtual int LastYRefPos() const { return divisions; }
  // The repaint and label steps that follow every scale and reference change.
  void AfterScaleChange();
  void Beep() const;
  // Labels 6 and 7 name the soft-key set of the mode.
  void SetModeLabels();
  bool FreeMarkerShown() const;
  void EraseFreeMarker();
  void SetStabKeys(int shown, char mode);
  void SetGainKeys(char kind, char mode);
  void UpdateLine(OutText* l);
  // For the circular kinds. The start and stop texts come from curve 0's frequencies when it
  // holds data, else (fromSweep, curve 0 without data) from the sweep limits; they go into
  // bottom lines 2 and 3, rPrime left and right of the centre at footY, and are drawn.
  void DrawFrequencyLabels(pf::Dc* dc, bool fromSweep, int rPrime, int step, int footY);
  // End symbols, overlays and curves while curves are shown, then the curve marker.
  void DrawCircleCurves(pf::Dc* dc);
  // The grid step of a chart centred in the inner area, so that it fits the smaller side:
  // wanted (what the height gives), or less where the frequency labels at its foot would leave
  // the inner area, the start label startHalfSteps / 2 steps left of the centre and the stop
  // label stopHalfSteps / 2 steps right of it.
  int StepFittingWidth(int wanted, int startHalfSteps, int stopHalfSteps) const;
  // The circular kinds' frame around a chart of the radius: the grid's square, the title
  // under the chart's right and bottom lines 2 and 3 for the frequency labels.
  void FrameCircle(int r, int ringStep);
  // The curve marker on the current curve with three read-out lines at (0.75 r, 0.95 r) from
  // the centre, displayWidth wide.
  void CreateReadoutMarker(int r, int displayWidth);
  // The curve marker on the current curve's point with a display of that many read-out lines
  // at (left, top), width wide, its read-out written; nothing while no curve is shown.
  void PlaceMarker(int lines, int left, int top, int width);
  // The read-out after the marker moved: lines 1 and 2 (angle and magnitude) and, withFrequency
  // (it moved to another point), line 3, repainted. The rectangular kinds write their own.
  virtual void WriteReadout(bool withFrequency);
  // The left edge for a label wanted at x whose text is that wide: far enough left that the
  // text ends before the soft-key labels, but not left of the inner area.
  int LeftOfSoftLabels(int x, int textWidth) const;
  // The left edge for a read-out wanted at x, room left for its widest text.
  int ReadoutLeft(int x) const { return LeftOfSoftLabels(x, kReadoutWidth); }
  // Releases every part (the settings stay).
  void ReleaseParts();
  // The screen draws the curves, the overlays and the markers (the logo none).
  bool DrawsCurves() const { return curvesShown != 0 && name != "Logo"; }

  PicTexFile picTex;

  // Parts, in the order they go: curves and markers before the labels they point to.
  std::array<std::unique_ptr<OutText>, kSoftLabels> softLabels;
  TextLines headerLines;
  TextLines bottomLines;
  std::unique_ptr<OutText> extraLabel1;
  std::unique_ptr<OutText> extraLabel2;
  std::unique_ptr<OutText> title;
  std::unique_ptr<DiagGitter> grid;
  std::unique_ptr<SmithPlane> plane;
  std::unique_ptr<ConstGainCircles> loadCircles;
  std::unique_ptr<ConstGainCircles> genCircles;
  std::unique_ptr<FreeDiagMarker> freeMarker;
  std::unique_ptr<MarkerWithDisplay> marker;
  std::vector<std::unique_ptr<DiagKurve>> curves;
};
