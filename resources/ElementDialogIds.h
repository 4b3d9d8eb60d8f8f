#pragma once
// Control ids of the lumped and semiconductor elements' dialogs, named once for the templates,
// the dialogs and their tests.

// The controlled sources and the operational amplifier; the voltage-controlled voltage source
// uses the amplifier's ids.
namespace controlled_ids {
struct Set {
  int gain, r1, r2, cutOffBox, delayBox, fg, td;
};
constexpr Set kOpAmp{1215, 1216, 1217, 1218, 1219, 1220, 1221};
constexpr Set kVcg{1222, 1223, 1224, 1225, 1226, 1227, 1228};
constexpr Set kCcg{1230, 1231, 1232, 1233, 1234, 1235, 1236};
}  // namespace controlled_ids

// Series and parallel resonant circuits.
namespace resonator_ids {
struct Set {
  int f0, zk, q;
};
constexpr Set kSeries{1290, 1291, 1292};
constexpr Set kParallel{1295, 1296, 1297};
}  // namespace resonator_ids

namespace quarz_ids {
constexpr int kFs = 1300, kFd = 1301, kZk = 1302, kQ = 1303;
}  // namespace quarz_ids

// The variable box is in no template: the inductor never shows its flag.
namespace ind_ids {
constexpr int kValue = 1210, kIdeal = 1211, kFp = 1212, kQm = 1213, kFm = 1214;
constexpr int kVariable = 1209;
}  // namespace ind_ids

// The resistor's and the capacitor's dialogs share the SMD box.
namespace smd_ids {
constexpr int kResTemplate = 201, kCapTemplate = 202;
constexpr int kResistance = 1116, kResLength = 1118;
constexpr int kCapacitance = 1119, kCapLength = 1120;
constexpr int kSmd = 1117;
}  // namespace smd_ids

namespace uebertrager_ids {
constexpr int kTemplate = 147;
constexpr int kLs = 1028, kCoupling = 1029, kLp = 1030, kN1 = 1031, kN2 = 1032;
constexpr int kSymmetric = 1033, kUnsymmetric = 1034, kPicture = 1035;
}  // namespace uebertrager_ids

// Each optional element of the FET has a check box and an edit.
namespace fet_ids {
constexpr int kName = 1435, kGain = 1416, kCgsBox = 1404, kCgs = 1405;
constexpr int kFgBox = 1417, kFg = 1418, kTdBox = 1419, kTd = 1420;
constexpr int kCdgBox = 1431, kCdg = 1432, kCdsBox = 1423, kCds = 1424;
constexpr int kRdsBox = 1421, kRds = 1422, kRgsBox = 1406, kRgs = 1407;
constexpr int kRgBox = 1402, kRg = 1403, kRdBox = 1425, kRd = 1426;
constexpr int kRsBox = 1410, kRs = 1411, kCgeBox = 1408, kCge = 1409;
constexpr int kCdeBox = 1414, kCde = 1415, kLgBox = 1401, kLg = 1400;
constexpr int kLdBox = 1427, kLd = 1428, kLsBox = 1412, kLs = 1413;
constexpr int kCgdeBox = 1433, kCgde = 1434, kRdgBox = 1429, kRdg = 1430;
}  // namespace fet_ids

// The bipolar transistor's pages; the Y page's edits are only shown.
namespace bipolar_ids {
constexpr int kHTemplate = 135, kYTemplate = 134;
constexpr int kName = 1015, kH11 = 1010, kH12 = 1011, kH21 = 1013, kH22 = 1014;
constexpr int kYFirstRow[] = {1009, 1315, 101, 1012};
constexpr int kYSecondRow[] = {106, 1014, 1015, 1016};
}  // namespace bipolar_ids
