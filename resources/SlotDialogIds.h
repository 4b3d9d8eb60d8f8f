#pragma once
// Control ids of the slotline, coplanar and transition dialogs, named once for the templates,
// the dialogs and their tests.

namespace slotline_ids {
constexpr int kTemplate = 180;
constexpr int kW = 1042, kP = 1043, kSub = 1087;
constexpr int kLine = 1088, kShort = 1089, kOpen = 1090;
constexpr int kOnePole = 1099, kTwoPoles = 1100, kThreePoles = 1101;
constexpr int kCohn = 1149, kApprox = 1150;
}  // namespace slotline_ids

namespace sltbend_ids {
constexpr int kTemplate = 205;
constexpr int kW = 1042, kP = 1043, kKink = 1139, kSub = 1087;
constexpr int kLine = 1088, kShort = 1089;
constexpr int kLeft = 1112, kRight = 1113, kArc = 1114, kKinked = 1115;
}  // namespace sltbend_ids

namespace coplanar_ids {
constexpr int kTemplate = 190;
constexpr int kW = 1101, kS = 1102, kP = 1043, kSub = 1087;
constexpr int kLine = 1088, kShort = 1089, kOpen = 1090;
}  // namespace coplanar_ids

namespace coplanarcross_ids {
constexpr int kTemplate = 261;
constexpr int kW = 1042, kS = 1047, kSub = 1087;
}  // namespace coplanarcross_ids

namespace coveredslot_ids {
constexpr int kTemplate = 216;
constexpr int kW = 1042, kP = 1043, kLower = 1088, kUpper = 1150;
constexpr int kLine = 1090, kShort = 1089;
constexpr int kOnePole = 1099, kTwoPoles = 1100, kThreePoles = 1101;
}  // namespace coveredslot_ids

namespace msltoslot_ids {
constexpr int kTemplate = 185;
constexpr int kM = 1089, kS = 1010, kKnorr = 1092, kDas = 1093, kSub = 1053;
}  // namespace msltoslot_ids
