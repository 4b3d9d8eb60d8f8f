#include "simulator/SweepFreq.h"

#include <cmath>

#include "basics/SpecialFunctions.h"
#include "pf/archive.h"

using pf::Object;
PF_IMPLEMENT_SERIAL(SweepFreq, Object, 1)

void SweepFreq::SetCount(int n) {
  if (n < 1) {
    Error(kCountNotPositive, 2);
    count = 2;
  } else {
    count = n > kMaxCount ? kMaxCount : n;
  }
  if (count != previousCount) {
    previousCount = count;
    countChanged = 1;
  }
}

void SweepFreq::Prepare() {
  if (stop < start) {
    const double lower = stop;
    stop = start;
    start = lower;
  }
  if (start != previousStart) {
    rangeChanged = 1;
    previousStart = start;
  }
  if (stop != previousStop) {
    rangeChanged = 1;
    previousStop = stop;
  }
  if (!IsLinear() && !(start > 0.0)) {
    Error(kStartNotPositive, 2);
    mode = 'L';
  }
  const int intervals = count > 1 ? count - 1 : 1;
  step = IsLinear() ? (stop - start) / intervals : NthRoot(stop / start, intervals);
  Rewind();
}

bool SweepFreq::SameAxis(const SweepFreq& other) const {
  return start == other.start && stop == other.stop && count == other.count &&
         IsLinear() == other.IsLinear();
}

double SweepFreq::PointAt(int i) const {
  return IsLinear() ? start + i * step : start * PowInt(step, i);
}

double SweepFreq::GetFrequency(int i) const {
  if (i < 1) return start;
  if (i >= count - 1) return stop;  // the last point is stop itself, not a computed value
  return PointAt(i);
}

int SweepFreq::NextPoint() {
  ++index;
  if (index >= count) {
    Rewind();
    return 0;
  }
  current = PointAt(index);
  return 1;
}

void SweepFreq::Rewind() {
  index = 0;
  current = start;
}

void SweepFreq::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    ar << start << stop << previousStart << previousStop << current << reserved << step
       << previousCount << count << mode;
    return;
  }
  double values[6];
  float spare = 0.0f;
  int32_t counts[2];
  char letter = 'L';
  ar >> values[0] >> values[1] >> values[2] >> values[3] >> values[4] >> spare >> values[5] >>
      counts[0] >> counts[1] >> letter;
  for (double v : values) {
    if (!std::isfinite(v)) throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "SweepFreq");
  }
  for (int32_t n : counts) {
    if (n < 1 || n > kMaxCount) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "SweepFreq");
    }
  }
  start = values[0];
  stop = values[1];
  previousStart = values[2];
  previousStop = values[3];
  current = values[4];
  reserved = spare;
  step = values[5];
  previousCount = counts[0];
  count = counts[1];
  mode = letter;
}
