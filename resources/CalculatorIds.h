#pragma once
// Control ids of the dimensioning calculators, named once for the templates, the calculators
// and their tests. Each stepped value has an edit and the spin button beside it.

namespace dimmsl_ids {
constexpr int kTemplate = 162;
constexpr int kW = 1042, kL = 1043, kF = 1019, kInc = 1049;
constexpr int kWSpin = 1048, kLSpin = 1050, kFSpin = 1051, kIncSpin = 1052;
constexpr int kZc = 1044, kLRatio = 1045, kEps = 1046, kDelL = 1047, kSub = 1053;
}  // namespace dimmsl_ids

namespace dimslt_ids {
constexpr int kTemplate = 183;
constexpr int kW = 1042, kL = 1043, kF = 1019, kInc = 1049;
constexpr int kWSpin = 1048, kLSpin = 1050, kFSpin = 1051, kIncSpin = 1052;
constexpr int kZ0 = 1044, kLRatio = 1045, kEps = 1046, kExtension = 1047, kStub = 1054;
constexpr int kSub = 1053, kCohn = 1147, kApprox = 1148;
}  // namespace dimslt_ids

namespace dimcpl_ids {
constexpr int kTemplate = 232;
constexpr int kW = 1042, kS = 1047, kL = 1043, kF = 1019, kInc = 1049;
constexpr int kWSpin = 1048, kSSpin = 1054, kLSpin = 1050, kFSpin = 1051, kIncSpin = 1052;
constexpr int kZ0 = 1044, kLRatio = 1045, kEps = 1046, kSub = 1053;
}  // namespace dimcpl_ids

namespace sandwich_ids {
constexpr int kTemplate = 214;
constexpr int kSub = 1140, kA = 1141, kWd = 1146, kCompute = 1143;
constexpr int kInvP = 1142, kEps = 1145, kDLambda = 1144, kF = 1019;
}  // namespace sandwich_ids

namespace msltsltdesign_ids {
constexpr int kTemplate = 186;
constexpr int kM = 1043, kS = 1092, kF = 1019, kInc = 1049;
constexpr int kMSpin = 1050, kSSpin = 1097, kFSpin = 1051, kIncSpin = 1052;
constexpr int kZm = 1093, kZs = 1094, kN = 1095, kNZs = 1096, kSub = 1053;
}  // namespace msltsltdesign_ids
