#pragma once
// Template and control numbers of the SPICE-model dialogs, shared by the templates, the dialogs
// and their tests.

namespace spice_ids {

constexpr int kBipChooser = 241;  // "Bipolartransistor"
constexpr int kBipList = 1182;
constexpr int kFetChooser = 258;  // "Feldeffekttransistor"
constexpr int kFetList = 1215;
constexpr int kDiodeChooser = 250;  // "Dioden"
constexpr int kDiodeList = 1205;
constexpr int kShow = 247;  // "Spice Modell"
constexpr int kShowText = 1204;

// The pages of the diode's sheet; ids repeat between pages.
constexpr int kDiodePage1 = 234;
constexpr int kDiodePage2 = 235;
constexpr int kDiodePage3 = 236;
constexpr int kDiodePage4 = 237;
constexpr int kIs = 1168;  // page 1 IS, page 2 ISR
constexpr int kN = 1169;   // page 1 N, page 2 NR
constexpr int kRs = 1170;
constexpr int kTo = 1171;
constexpr int kXti = 1172;
constexpr int kVj = 1173;
constexpr int kM = 1174;
constexpr int kIbv = 1175;
constexpr int kNbv = 1176;
constexpr int kBv = 1177;
constexpr int kCj0 = 1178;
constexpr int kTt = 1179;

constexpr int kLibrary = 239;  // "Spice Library"
constexpr int kLibList = 1180;
constexpr int kLibName = 1225;
constexpr int kLibDiode = 1226;
constexpr int kLibNpn = 1227;
constexpr int kLibPnp = 1228;
constexpr int kLibAdd = 1229;
constexpr int kLibShow = 1230;
constexpr int kLibDel = 1231;
constexpr int kLibClipboard = 1232;
constexpr int kLibNjf = 1233;
constexpr int kLibPjf = 1234;

}  // namespace spice_ids
