#pragma once
// The frequency axis of a frequency-domain run: start, stop, point count and spacing mode.
// It computes the spacing once (Prepare) and yields any point on demand or walks the points
// with a cursor; it stores no list of points. It remembers the last prepared range and count,
// so that an owner can tell whether results of the old axis are still valid.

#include <cstdint>

#include "basics/VS_Error.h"
#include "pf/object.h"

class SweepFreq : public VS_Error, public pf::Object {
  PF_DECLARE_RUNTIME(SweepFreq)

 public:
  static constexpr int32_t kMaxCount = 3000;
  static constexpr int kArchiveBytes = 61;
  // The refusals of an end that a logarithmic axis cannot hold (0 or below).
  static constexpr const char* kCountNotPositive = "Anzahl der Frequenzwerte muß > 0 sein";
  static constexpr const char* kStartNotPositive =
      "Logarithmische Frequenzachse: Startfrequenz muß > 0 sein";
  static constexpr const char* kStopNotPositive =
      "Logarithmische Frequenzachse: Stopfrequenz muß > 0 sein";

  SweepFreq() = default;
  SweepFreq(const SweepFreq&) = default;
  SweepFreq& operator=(const SweepFreq&) = default;

  // Stored only; nothing is recomputed until Prepare.
  void SetStart(double hz) { start = hz; }
  void SetStop(double hz) { stop = hz; }
  // 1..3000 taken, above 3000 silently 3000; below 1 reports
  // "Anzahl der Frequenzwerte muß > 0 sein" (code 2) and takes 2.
  void SetCount(int n);
  // Orders start <= stop, records a range change, computes the step, cursor to point 0.
  // A logarithmic axis with start <= 0 is refused: reported, and it becomes linear.
  void Prepare();
  // Point i without moving the cursor: start below 1, exactly stop from the last point on.
  double GetFrequency(int i) const;
  // Cursor one point on: 1 while a point follows, 0 (cursor back on point 0) after the last.
  int NextPoint();
  void Rewind();

  bool RangeChanged() const { return rangeChanged != 0; }
  bool CountChanged() const { return countChanged != 0; }
  void ClearChangeFlags() { rangeChanged = countChanged = 0; }
  bool IsLinear() const { return mode == 'L'; }
  // The same points: start, stop, count and spacing; results computed over one axis belong to
  // the other.
  bool SameAxis(const SweepFreq& other) const;

  // The 61-byte record; loading takes the fields as stored. A count outside 1..3000 or a
  // frequency that is not finite throws pf::ArchiveError (BadCount).
  void Serialize(pf::Archive& ar) override;

  double start = 1e9;
  double stop = 2e10;
  double previousStart = 1e9;
  double previousStop = 2e10;
  int32_t count = 1;
  int32_t previousCount = 1;
  int32_t countChanged = 0;
  int32_t rangeChanged = 0;
  double current = 1e9;
  double step = 0.0;
  int32_t index = 0;
  char mode = 'L';          // 'L' linear, any other letter logarithmic ('E')
  char previousMode = 'L';  // kept for the owner's dialogs
  float reserved = 0.0f;

 private:
  double PointAt(int i) const;
};
