#pragma once
// Control ids of the network analyser's panel, shared by its template, its dialog and tests.

namespace analyser_ids {
constexpr int kTemplate = 132;
constexpr int kParameter = 1005;
constexpr int kFormat = 1016;
constexpr int kAnalyse = 1017;
constexpr int kMarker = 1018;
constexpr int kFrequency = 1019;
constexpr int kGenerator = 1020;
constexpr int kScreenCopy = 1022;
constexpr int kData = 1023;
constexpr int kDisplay = 1024;
constexpr int kPicTex = 1025;
constexpr int kSave = 1026;
constexpr int kLoad = 1027;
constexpr int kOnePort = 1006;
constexpr int kTwoPort = 1021;
constexpr int kRefPos = 1004;
constexpr int kRefValue = 1010;
constexpr int kYScale = 1011;
constexpr int kPlaneXRefPos = 1012;
constexpr int kXRefPos = 1013;
constexpr int kStabCursor = 1014;
constexpr int kSoftKeys = 1015;
constexpr int kMarkerStep = 1007;
constexpr int kFreeMarker = 1086;
constexpr int kScreen = 523;
}  // namespace analyser_ids
