#pragma once
// The screen of an instrument window: the owner-drawn screen control of its dialog, which shows
// the current one of the diagrams the screen owns. Diagrams are made by type code (the
// analyser's formats 0 to 8, the logo 10, the time, spectrum and plotter kinds 11 to 13) and
// stored by kind name.

#include <cstdint>
#include <memory>
#include <vector>

#include "diagrams/Diagramm.h"
#include "pf/geometry.h"

namespace pf {
class Archive;
class Dc;
class Window;
}  // namespace pf

class SweepFreq;

// The time of a run as the screens' bottom lines show it: "h:m:s  d.m.yyyy", at ClockTime.
MyStrng RunTimeStamp();
// A screen's bottom line for a run: its simulator ("Spice: " or "Ravilone: "), title and date.
MyStrng RunCaption(bool spice, const MyStrng& title, const MyStrng& date);
// The one answer to a save, copy or export that has no run's result: a beep and "Keine
// Ergebnisse vorhanden", before any file is asked for.
void RefuseWithoutResults();

class ScrnWindow {
 public:
  // An archive holding more diagrams than there are kinds is not one of ours.
  static constexpr int32_t kMaxDiagrams = 14;
  // Stored places and sizes beyond this fail the load.
  static constexpr int32_t kMaxCoordinate = 32767;

  explicit ScrnWindow(SweepFreq* sweep) : sweep(sweep) {}

  void SetParent(pf::Window* window);
  void SetArea(const pf::Rect& r);
  pf::Rect GetArea() const { return {x, y, x + width, y + height}; }
  void SetSoftLabels(int top, int spacing);
  // A new diagram of the code with its curves; a code without a kind gives the code 0 kind.
  std::unique_ptr<Diagramm> CreateDiagram(int code) const;
  // The listed diagram of the code's kind, else a new one; it becomes current.
  Diagramm* SelectDiagram(int code);
  Diagramm* Current() const { return current; }
  // The current diagram is the one SelectDiagram(code) would make current.
  bool Shows(int code) const { return current != nullptr && Find(code) == current; }
  // A copy of the kept diagram of an instrument becomes current in place of a listed one of
  // its kind; a diagram of another kind than D is ignored.
  template <class D>
  Diagramm* CopyDiagram(const Diagramm& kept);
  // The screen as a dialog lays it out: from the left edge to one spin width left of the
  // first spin and down to the OK button; the soft labels from the first spin's centre, spaced
  // by the second spin's distance. The dialog becomes the parent; false without the controls.
  bool LayOut(pf::Window& dialog, int firstSpin, int secondSpin);
  // Curve 0 as 50 points of value 0 across the ten divisions: a screen without data.
  void ShowZeroLine();
  // The current diagram's curves hold no run's values (a new instrument's single sample or
  // line) until another diagram becomes current: nothing of them is saved or exported.
  void MarkNoRun() { noRun = true; }
  // Curve 0 shown and drawn.
  void ShowFirstCurve() const;
  // Whether the current diagram draws a run's result: curve 0 holds a run's values (a curve
  // loaded beside it holds none).
  bool ShowsResult() const;
  // The current diagram's header names curve 0 (the instrument and its quantity) and its
  // bottom line the circuit and the run, so no placeholder is drawn.
  void SetCaptions(const MyStrng& header, const MyStrng& bottom) const;
  // On a time diagram the time at its right edge; else 0.
  double GetTimeSpan() const;
  int GetPointCount() const;
  // Draws the current diagram; nothing without one.
  void DrawItem(pf::Dc& dc) const;
  // Redraws the control.
  void Invalidate() const;

  // The spins of a window's diagram keys, y keys, x keys and the marker; 0 for a key the
  // window lacks.
  struct KeySpins {
    int refPos = 0, refValue = 0, yScale = 0;
    int xRefPos = 0, xRefValue = 0, xScale = 0;
    int markerStep = 0;
  };
  // Steps the current diagram's key of the spin; false without a current diagram or when the
  // id is none of the spins. The platform's upper arrow (delta < 0) raises the reference
  // value, coarsens a scale and moves the marker on.
  bool StepKey(const KeySpins& spins, int id, int delta) const;
  // The current diagram draws its curves (and takes a marker) only once there are some.
  void SetCurvesShown(bool shown) const;
  // No diagram of the screen draws its curves until one is shown again.
  void HideCurves() const;
  // Asks width (up to the diagram's largest) and font size, then a file name, and writes the
  // current diagram, drawn first for its texts; nothing on Cancel. Refused, before anything is
  // asked, while the screen shows no run's result.
  void ExportPicTex();

  // Area, soft-label place, then each diagram as kind name and archive. Throws
  // pf::ArchiveError on an unknown kind name, a place or count out of bounds.
  void Serialize(pf::Archive& ar);

 private:
  Diagramm* Find(int code) const;
  Diagramm* AdoptCopy(std::unique_ptr<Diagramm> copy);
  void Prepare(Diagramm& d) const;

  pf::Window* parent = nullptr;
  int32_t x = 0;
  int32_t width = 0;
  int32_t y = 0;
  int32_t height = 0;
  int32_t softTop = 0;
  int32_t softSpacing = 0;
  Diagramm* current = nullptr;
  // The current diagram's curves hold no run's values.
  bool noRun = false;
  std::vector<std::unique_ptr<Diagramm>> diagrams;
  SweepFreq* sweep = nullptr;
  int32_t picTexWidth = 60;  // mm
};

template <class D>
Diagramm* ScrnWindow::CopyDiagram(const Diagramm& kept) {
  const auto* typed = dynamic_cast<const D*>(&kept);
  if (typed == nullptr || !(kept.GetTypeName() == D().GetTypeName())) return current;
  return AdoptCopy(std::make_unique<D>(*typed));
}
