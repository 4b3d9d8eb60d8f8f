#pragma once
// Control ids of the oscilloscope, spectrum analyser, plotter and speaker windows, shared by the
// templates, the dialogs and their tests.

#include "resources/ScreenIds.h"

namespace oszi_ids {
constexpr int kTemplate = 170;
constexpr int kFormatTemplate = 173;
constexpr int kBitmap = 169;
constexpr int kRefPos = 1072;
constexpr int kRefValue = 1006;
constexpr int kYScale = 1007;
constexpr int kTimePerDiv = 1073;
constexpr int kStartTime = 1076;
constexpr int kMarker = 1079;
constexpr int kMarkerStep = 1080;
constexpr int kScreenCopy = 1081;
constexpr int kFormat = 1016;
constexpr int kTimeText = 1156;
constexpr int kPicTex = 1083;
// The format dialog.
constexpr int kTimeMode = 1081;
constexpr int kEyeMode = 1082;
constexpr int kDataRate = 1083;
}  // namespace oszi_ids

namespace specana_ids {
constexpr int kTemplate = 167;
constexpr int kSettingsTemplate = 168;
constexpr int kBitmap = 166;
constexpr int kRefPos = 1064;
constexpr int kRefValue = 1065;
constexpr int kYScale = 1066;
constexpr int kParameter = 1019;
constexpr int kMarker = 1018;
constexpr int kMarkerStep = 1070;
constexpr int kScreenCopy = 1081;
// The settings dialog.
constexpr int kStart = 1068;
constexpr int kStop = 1010;
constexpr int kResistance = 1224;
constexpr int kLine = 1134;
constexpr int kSpectrum = 1237;
constexpr int kLinear = 1160;
constexpr int kLogarithmic = 1239;
}  // namespace specana_ids

namespace plotter_ids {
constexpr int kTemplate = 245;
constexpr int kSetUpTemplate = 246;
constexpr int kBitmap = 244;
constexpr int kRefPos = 1072;
constexpr int kRefValue = 1006;
constexpr int kYScale = 1007;
constexpr int kXRefPos = 1008;
constexpr int kXRefValue = 1009;
constexpr int kXScale = 1010;
constexpr int kMarker = 1018;
constexpr int kMarkerStep = 1202;
constexpr int kScreenCopy = 1019;
constexpr int kDataCopy = 1023;
constexpr int kXRange = 1316;
constexpr int kXRangeSpin = 1005;
constexpr int kYRange = 1216;
constexpr int kYRangeSpin = 1218;
// The set-up dialog.
constexpr int kXVoltage = 1200;
constexpr int kXCurrent = 1201;
constexpr int kYVoltage = 1202;
constexpr int kYCurrent = 1203;
constexpr int kSetUpXRangeSpin = 1219;
constexpr int kSetUpYRangeSpin = 1005;
}  // namespace plotter_ids

namespace speaker_ids {
constexpr int kTemplate = 229;
constexpr int kBitmap = 228;
constexpr int kPlay = 1157;
}  // namespace speaker_ids
