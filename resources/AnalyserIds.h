#pragma once
// Control ids of the network analyser's panel and of its set-up dialogs, shared by the
// templates, the dialogs and their tests.

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
}  // namespace analyser_ids

// The generator's internal resistances at the two ports.
namespace gen_ids {
constexpr const char* kTemplate = "GENDIAG";
constexpr int kPort1 = 2131;
constexpr int kPort2 = 2132;
}  // namespace gen_ids

// The frequency sweep.
namespace freq_ids {
constexpr const char* kTemplate = "FREQDIAG";
constexpr int kStart = 2140;
constexpr int kStop = 2141;
constexpr int kCount = 2142;
constexpr int kModeGroup = 2143;
constexpr int kLinear = 2144;
constexpr int kExponential = 2145;
}  // namespace freq_ids

// The diagram forms, radio ids in form order 0 to 8.
namespace form_ids {
constexpr const char* kTemplate = "FORMDIAG";
constexpr int kGroup = 2100;
constexpr int kForms[] = {2101, 2102, 2103, 2104, 2108, 2109, 2105, 2106, 2107};
}  // namespace form_ids

// The measured parameter: kind radios in kind order 0 to 6, index radios 11, 12, 21, 22.
namespace meas_ids {
constexpr const char* kTemplate = "MEASDIAG";
constexpr int kKindGroup = 2120;
constexpr int kKinds[] = {2121, 2122, 2123, 2124, 2125, 2119, 101};
constexpr int kIndexGroup = 2126;
constexpr int kIndices[] = {2127, 2128, 2129, 2130};
}  // namespace meas_ids

// The look of the first curve of the analyser's screen.
namespace display_ids {
constexpr int kTemplate = 210;
constexpr int kName = 1129;
constexpr int kNetText = 1132;
constexpr int kDateText = 1131;
constexpr int kColour = 1133;
constexpr int kLine = 1134;
constexpr int kPoints = 1135;
constexpr int kDiamond = 1137;
constexpr int kCircle = 1139;
constexpr int kCross = 1140;
constexpr int kInterval = 1138;
constexpr int kIntervalSpin = 1004;
}  // namespace display_ids
