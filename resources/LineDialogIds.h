#pragma once
// Control ids of the line dialogs, named once for the templates, the dialogs and their tests.

// The variable box is in no template: the TEM line never shows its flag.
namespace tem_ids {
constexpr int kZ = 1321, kP = 1322, kK = 1323, kA = 1324;
constexpr int kKindGroup = 101, kLine = 102, kShort = 103, kOpen = 104;
constexpr int kPolesGroup = 105, kOnePole = 106, kTwoPole = 107;
constexpr int kVariable = 999;
}  // namespace tem_ids

// The short-circuited stub, the open stub and the line: width, length, substrate.
namespace strip_ids {
constexpr int kSstW = 1255, kSstP = 1256, kSstSub = 1257;
constexpr int kOstW = 1251, kOstP = 1252, kOstSub = 1253;
constexpr int kTrlW = 1238, kTrlP = 1239, kTrlSub = 1240;
constexpr int kVariable = 1242, kModel = 1241;
}  // namespace strip_ids

namespace taper_ids {
constexpr int kW1 = 1264, kW2 = 1265, kP = 1043, kSub = 102;
constexpr int kShapeGroup = 101, kLinear = 103, kCosine = 104, kExponential = 105;
}  // namespace taper_ids

namespace radstub_ids {
constexpr int kAngle = 100, kRadius = 101, kFeed = 102, kSub = 103;
}  // namespace radstub_ids

namespace tee_ids {
constexpr int kIn = 1270, kBranch = 1271, kSub = 1272;
}  // namespace tee_ids

namespace step_ids {
constexpr int kW1 = 1264, kW2 = 1266, kSub = 102;
constexpr int kModelGroup = 101, kSimple = 103, kFull = 104, kThird = 105;
}  // namespace step_ids

namespace cpl_ids {
constexpr int kW = 1260, kP = 1261, kS = 1262, kSub = 1263;
}  // namespace cpl_ids

namespace corner_ids {
constexpr int kW = 1264, kSub = 102;
constexpr int kFormGroup = 101, kNone = 103, kChamfer = 104, kOptimal = 105;
}  // namespace corner_ids

namespace koax_ids {
constexpr int kTemplate = 242;
constexpr int kOuter = 1183, kInner = 1184, kLength = 1185;
constexpr int kLine = 1186, kShort = 1187, kOpen = 1188;
constexpr int kEr = 1189, kTanD = 1190;
constexpr int kSilver = 1191, kCopper = 1192, kGold = 1193;
constexpr int kFoil = 1194, kThickness = 1195, kConductivity = 1010;
}  // namespace koax_ids

namespace msltee_ids {
constexpr int kTemplate = 200;
constexpr int kThrough = 1115, kBranch = 1010, kRight = 1112, kLeft = 1113, kSub = 1053;
}  // namespace msltee_ids

namespace mslcorner_ids {
constexpr int kTemplate = 196;
constexpr int kW = 1102, kSquare = 1110, kMitred = 1111, kLeft = 1112, kRight = 1113;
constexpr int kSub = 1053;
}  // namespace mslcorner_ids

namespace substrate_ids {
constexpr int kTemplate = 209;
constexpr int kName = 1121, kEr = 1122, kTanD = 1123, kHeight = 1124, kMetal = 1126;
constexpr int kX = 1127, kY = 1316, kGold = 1128, kCopper = 1129;
}  // namespace substrate_ids
