#pragma once
// Control ids of the SPICE analyses' dialogs: the multimeter's readings, the raw file, the DC
// sweep and the transient times, named once for the templates, the dialogs and their tests.

namespace readings_ids {
constexpr int kTemplate = 243;
constexpr int kTable = 1196;
constexpr int kAmplitude = 1056, kPhase = 1057, kComplex = 1058, kMean = 1243;
}  // namespace readings_ids

namespace rawfile_ids {
constexpr int kTemplate = 254;
constexpr int kText = 1209;
}  // namespace rawfile_ids

namespace dcsweep_ids {
constexpr int kTemplate = 255;
constexpr int kStart = 1035, kStop = 1036, kStep = 1041;
constexpr int kMaster = 1212;
}  // namespace dcsweep_ids

namespace transient_ids {
constexpr int kTemplate = 256;
constexpr int kDuration = 1057, kStep = 1058, kMaxStep = 1059;
}  // namespace transient_ids
