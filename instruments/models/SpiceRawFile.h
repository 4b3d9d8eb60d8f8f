#pragma once
// The results of an external SPICE run: the ASCII raw file "rawspice.raw" that the simulator
// leaves in its directory, checked against the netlist that was run, with its header, variable
// names and value rows (row 0 is the scale: time, frequency or the swept value).
// The file is untrusted: counts are bounded by the lines it holds, so a truncated file or an
// absurd count is refused before anything is allocated, and a read starts from nothing.

#include <cstdint>
#include <vector>

#include "basics/LineFile.h"
#include "basics/Matrix.h"
#include "basics/MyStrng.h"
#include "basics/Vektor.h"

class SpiceRawFile {
 public:
  SpiceRawFile();
  virtual ~SpiceRawFile() = default;

  // The file name without directory of the netlist that was run; the raw file's title must
  // name it (both compared without what follows their first '.').
  void SetNetlistName(const MyStrng& name) { netlistName = name; }
  // Results of an older netlist no longer count.
  void InvalidateResults() { resultsLoaded = 0; }
  // Forgets the results and the lines of the last file.
  void ClearResults();

  // Reads the file; every failure is queued with code 4. True when results are loaded.
  bool ReadRawFileFrom(const MyStrng& path);
  // The same from lines already trimmed and without empty ones; path only names the file in
  // messages.
  bool ReadRawLines(const std::vector<MyStrng>& lines, const MyStrng& path);

  bool HasLoadedResults() const { return resultsLoaded != 0; }
  bool IsComplexResult() const { return flags == "complex"; }
  bool IsDcTransferResult() const { return plotname == "DC transfer characteristic"; }
  bool IsOperatingPointResult() const { return plotname == "Operating Point"; }
  bool IsTransientResult() const { return plotname == "Transient Analysis"; }

  RVektor GetScaleVector() const;
  RVektor GetSweepVector() const { return sweepVector; }
  // The row of the variable V(node); empty when there is none.
  RVektor GetNodeVoltage(int node) const;
  CVektor GetNodeVoltageComplex(int node) const;
  void SetVariableCount(int n);

  const MyStrng& GetTitle() const { return title; }
  const MyStrng& GetDate() const { return date; }
  const MyStrng& GetPlotname() const { return plotname; }
  const MyStrng& GetFlags() const { return flags; }
  int32_t GetVariableCount() const { return variableCount; }
  int32_t GetPointCount() const { return pointCount; }
  int32_t GetSweepRepetitions() const { return sweepRepetitions; }
  int32_t GetPointsPerSweep() const { return pointsPerSweep; }
  const MyStrng& GetVariableName(int index) const;
  // The lines of the last file read, for the raw-file dialog.
  LineFile& GetRawLines() { return rawLines; }

 private:
  // Each step reads on from cursor and clears resultsLoaded on a failure.
  void ReadHeader();
  void ReadVariables();
  void ReadRealValues();
  void ReadComplexValues();
  void CreateSweepVector();
  // The next line, or null (results refused as incomplete) past the end.
  const MyStrng* NextLine();
  void Fail(const MyStrng& message);
  // Values take one line each: a file with fewer lines left cannot hold them.
  bool ValuesFit();
  // Index of the variable V(node), or -1.
  int FindNodeVoltage(int node) const;

  LineFile rawLines;
  const std::vector<MyStrng>* lines = nullptr;
  size_t cursor = 0;
  MyStrng path;
  MyStrng netlistName;

  uint8_t resultsLoaded = 0;
  int32_t sweepRepetitions = 0;
  int32_t pointsPerSweep = 0;
  MyStrng title;
  MyStrng date;
  MyStrng plotname;
  MyStrng flags;
  int32_t variableCount = 0;
  int32_t pointCount = 0;
  std::vector<MyStrng> variableNames;
  RMatrix realRows;
  RVektor sweepVector;
  CMatrix complexRows;
};
