#pragma once
// The results of an external SPICE run: the ASCII raw file "rawspice.raw" that the simulator
// leaves in its directory, checked against the netlist that was run, with its header, variable
// names and value rows (row 0 is the scale: time, frequency or the swept value).
// The file is untrusted: counts are bounded by the bytes it holds (a value takes a line of at
// least two), so an absurd count is refused before anything is allocated, a truncated file when
// its end is met, one holding a value that is no whole finite number, or cut inside its last
// line, when it is met, and a read starts from nothing. The file is read as a stream, each value
// straight into its row; its lines are kept with the results for the raw-file view, as many as
// a text file may hold.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
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

  // Values a result may hold: 2^27, a GiB as doubles (complex two), ten million points of a
  // dozen variables. ngspice writes about 25 bytes a value, so the file's bound of 4 GiB holds
  // them and refuses only files no sane result needs.
  static constexpr int64_t kMaxValues = int64_t{1} << 27;
  static constexpr int64_t kMaxBytes = int64_t{4} << 30;

  // Reads the file; every failure is queued with code 4. True when results are loaded.
  bool ReadRawFileFrom(const MyStrng& path);
  // The same from lines in memory, each with its line end, read as a file's lines are (blank
  // ones passed over); path only names the file in messages.
  bool ReadRawLines(const std::vector<MyStrng>& lines, const MyStrng& path);
  // The same from the size bytes of a stream.
  bool ReadRawStream(std::istream& in, int64_t size, const MyStrng& path);

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
  // The lines of the results held, read with them, for the raw-file view: never those of a
  // later file on the disk.
  LineFile GetRawLines() const;
  // Why the results hold no lines although read: "Datei zu groß: PATH" for more lines or bytes
  // than a text file may hold; empty otherwise.
  const MyStrng& RawLinesRefusal() const { return rawLinesTooLong; }

 private:
  // Each step reads on from the stream and clears resultsLoaded on a failure.
  void ReadHeader();
  void ReadVariables();
  void ReadRealValues();
  void ReadComplexValues();
  void CreateSweepVector();
  // The next line that is not blank into raw; false at the end. Each line read is kept.
  bool NextRaw();
  // The line in raw to the view's lines, while they are within a text file's bound.
  void Keep();
  // NextRaw, refusing the results as incomplete at the end.
  bool NextRawOrIncomplete();
  // The next line trimmed into text, or false (results refused as incomplete) past the end.
  bool NextLine(MyStrng& text);
  // The next line of values, or false (refused) past the end, when the file ends inside it and
  // when the line was cut.
  bool NextValueLine();
  // The scale on a point's first line, behind its index (in a complex file its real part), or
  // false (refused) past the end, when the index is not a number and when the scale is no
  // usable value.
  bool NextScale(double& value, bool complex);
  // The value on the next line, or false (refused) past the end and when it is no usable value.
  bool NextValue(double& value);
  bool NextComplexValue(Cmplx& value);
  // Whether a value read from the current line may enter the results: a finite number within
  // the range of the floats that the instruments' screens hold their points in (no simulator
  // result needs more, and beyond it a curve would show "inf"). Refuses the file otherwise.
  bool Usable(double value);
  // Refuses the file for the value on the current line; false.
  bool Invalid();
  void Fail(const MyStrng& message);
  // Values take one line each: a file with fewer bytes left than their lines need cannot hold
  // them.
  bool ValuesFit();
  // Index of the variable V(node), or -1.
  int FindNodeVoltage(int node) const;

  // The lines kept for the view, each ended by LF: one string, not a string a line.
  std::string rawText;
  int32_t rawLineCount = 0;
  MyStrng rawLinesTooLong;
  // While a stream is read; it knows the bytes not yet read.
  std::unique_ptr<LineReader> reader;
  std::string raw;
  // raw ended with its line end, as all but a file's last line do.
  bool rawEnded = false;
  // raw lost its rest: the line was longer than a text file's lines may be, or held a NUL.
  bool rawCut = false;
  // raw is the next line already.
  bool held = false;
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
