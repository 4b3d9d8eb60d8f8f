#pragma once
// Control ids of the data two-port's and the sub-circuit's dialogs, shared by their templates,
// the dialogs and their tests.

namespace data_symbol_ids {
constexpr int kTemplate = 146;
constexpr int kData = 1025;
constexpr int kFile = 1152;
constexpr int kOnePort = 1006;
constexpr int kTwoTerminal = 1027;
constexpr int kTwoPort = 1021;
constexpr int kLinear = 1160;
constexpr int kDb = 1161;
constexpr int kGHz = 1162;
constexpr int kMHz = 1163;
constexpr int kKHz = 1164;
constexpr int kHz = 1165;
}  // namespace data_symbol_ids

namespace user_net_ids {
constexpr int kTemplate = 148;
constexpr int kLines = 1032;
}  // namespace user_net_ids
