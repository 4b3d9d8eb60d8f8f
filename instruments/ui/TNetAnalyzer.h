#pragma once
// The engine of the network analyser window: builds the network under test from the circuit's
// netlist in a reader of its own, sweeps it, and draws the chosen parameter (Y, Z, S, voltage
// gain, K, MSG/MAG, optimum reflection) in one of nine formats on its screen. While it lives it
// is the simulator's current analyser: the ports read their reference resistances from it.

#include <cstdint>

#include "basics/Cmplx.h"
#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "basics/VS_Error.h"
#include "instruments/ui/MeasInstView.h"
#include "instruments/ui/ScrnWindow.h"
#include "simulator/NetContext.h"
#include "simulator/ScomFile.h"
#include "simulator/SweepFreq.h"

class DiagKurve;
class UsrDefNet;

class TNetAnalyzer : public MeasInstView, public NetAnalyser {
 public:
  // Formats: the screen's diagram codes.
  enum Format { kLogMag, kLinMag, kLinPhase, kLogPolar, kLinPolar, kRecPlane, kSmith, kLinReal,
                kLinImag, kNewDiagram, kLogo };
  static constexpr char kKindLetters[] = "YZSVKMR";

  TNetAnalyzer(int templateId, pf::Window* parent, const char* kindName);
  ~TNetAnalyzer() override;

  Cmplx GetRG1() const override { return rg1; }
  Cmplx GetRG2() const override { return rg2; }

  // The kind's letter and the 1-based index pair; the Smith chart shows S unless the kind is
  // the optimum reflection.
  void GetSelection(char& letter, int& i, int& j) const;
  // The current sweep point in the current format.
  void GetPointValue(float& x, float& y) const;
  MyStrng BuildCurveTitle(char letter, int i, int j) const;
  MyStrng GetNetName() const;

  // Builds the netlist through the owning view and sweeps it; ignored while running.
  void OnStart();
  // The first step of a start; false (nothing done) while a sweep runs.
  bool RequestStart();
  // Sweeps the network of the lines after RequestStart; with curveKeys the screen's soft keys
  // become the curve's first, as at the panel's start.
  void Measure(const LineFile& lines, bool curveKeys = false);
  int LoadNetwork(const LineFile& lines);
  // The screen takes the format's diagram, set up for the sweep and filled from the results;
  // nothing while it shows that diagram.
  void ApplyFormat();
  // Fills the current diagram from the stored results.
  void Redraw();
  // The diagram the window opens with: the stored format's with the curve the file kept, else
  // the logo of an analyser that never showed a format; its frequency labels and bottom line.
  void ShowOpeningDiagram();
  void CopyResultTable();
  void ToggleMarker();
  // The plane diagram holds the circles of a two-port's results (Y, Z or S).
  bool HasPlaneCircles() const;
  // The plane's frequency key: in a stability mode the shown circle, in a gain mode the shown
  // set of gain circles goes to the next or previous frequency; nothing in curve mode or
  // without the circles.
  void StepCircles(bool next);
  void ShowError();

  // The panel's commands; each does nothing while a sweep runs. "Screen", "Save" and the
  // PiCTeX export are refused while the screen shows no run's result.
  void OnParameter();
  void OnFormat();
  void OnFrequency();
  void OnGenerator();
  void CopyScreen();
  void SaveCurve();
  void LoadCurve();
  void ExportPicTex();

  // The port count of the network under test, 0 when there is none.
  virtual int PortCount() const;

  // Base, sweep, RG1 and RG2, the six selection ints, the screen, the network's name and the
  // time of the run shown, then the curve shown (a flag, the curve).
  void Serialize(pf::Archive& ar) override;
  // The marker mode and the point of the shown curve the marker stands on, which the window
  // opens with. Throws pf::ArchiveError on a mode it does not know or a point off the curve.
  void SerializeMarker(pf::Archive& ar);

  bool IsRunning() const { return running != 0; }
  UsrDefNet* GetNetwork() const { return network; }
  ScrnWindow& Screen() { return screen; }
  const SweepFreq& GetSweep() const { return sweep; }

  char markerMode = '0';
  char netChoice = 'F';
  MyStrng netName;
  SweepFreq sweep;
  char previousMode = 'L';
  Cmplx rg1{50.0, 0.0};
  Cmplx rg2{50.0, 0.0};
  int32_t kind = 2;
  int32_t previousKind = 0;
  int32_t index = 0;
  int32_t previousIndex = 3;
  int32_t format = kLogMag;
  int32_t previousFormat = kLogo;
  int32_t sweepChanged = 0;

  // Each keeps the old value as the previous one.
  void SetFormat(int32_t f);
  void SetKind(int32_t k);
  void SetIndex(int32_t i);

 private:
  void SelectNetwork();
  void StartMeasurement();
  void FinishMeasurement();
  // The reader or the network under test reported an error.
  bool Failed() const;
  // The network under test holds results of its sweep.
  bool HasResults() const;
  // Results of another sweep than the one set: gone, and the screen draws no curve until the
  // next run.
  void DiscardResults();
  void TakeReferenceResistances();
  // The plane diagram's stability circles and, for S, its gain circles; without them the
  // plane shows its curve.
  void FillPlaneCircles();
  // The current diagram's curves that hold a point per sweep point (and the plane's circle
  // sets) take the sweep's point count.
  void FitCurves();
  void SetUpFrequencyAxis();
  void UpdateBottomLine();
  // The current curve takes the network and the time of the run whose results it shows.
  void NameRun(Diagramm& d);
  // Curve 0 of the current diagram while it shows points; the one the record keeps and "Save"
  // writes.
  DiagKurve* ShownCurve() const;
  // One point of the fill table (Redraw) or of the sweep.
  void PointValue(int point, bool asRedraw, float& x, float& y) const;

  ScrnWindow screen{&sweep};
  uint8_t startRequested = 0;
  uint8_t firstRun = 1;
  uint8_t networkReady = 0;
  uint8_t running = 0;
  // What the sweep under way reported, shown in its box.
  VS_ErrorMark sweepReports;
  MyStrng timeStamp;
  ScomFile reader;
  UsrDefNet* network = nullptr;
};
