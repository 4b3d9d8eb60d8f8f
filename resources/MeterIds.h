#pragma once
// Control ids of the multimeter's and the signal and DC generators' set-up dialogs, named once
// for the templates, the dialogs and their tests.

namespace multimeter_ids {
constexpr int kTemplate = 144;
constexpr int kVoltage = 1016, kCurrent = 1017;
}  // namespace multimeter_ids

// The "DC-Netzteil" group's edits are layout only.
namespace siggen_ids {
constexpr int kTemplate = 145;
constexpr int kStart = 1020;
constexpr int kStartFrequency = 1021, kStopFrequency = 1010, kCount = 1011;
constexpr int kVoltage = 1022, kResistance = 1023;
constexpr int kLinear = 1160, kLogarithmic = 1161;
constexpr int kDcStart = 1035, kDcStop = 1036, kDcStep = 1012, kDcResistance = 1037;
}  // namespace siggen_ids

// "Start" (command 3) begins the built-in DC run.
namespace dcgen_ids {
constexpr int kTemplate = 153;
constexpr int kStart = 3;
constexpr int kVoltageSource = 1215, kCurrentSource = 1214;
constexpr int kFixed = 1179, kVariable = 1180;
constexpr int kFixedValue = 1038, kStartValue = 1035, kStopValue = 1036, kStepValue = 1041;
constexpr int kResistance = 1037;
constexpr int kSlave = 1213;
}  // namespace dcgen_ids
