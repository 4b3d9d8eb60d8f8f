// Dialog templates of the lumped and semiconductor elements.

#include "resources/DataPortIds.h"
#include "resources/ElementDialogIds.h"
#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr unsigned kGroup = pf::kStyleGroup;
constexpr unsigned kDefault = pf::kStyleDefault;

constexpr ControlTemplate kOpAmp[] = {
    {ControlKind::Static, -1, "Leerlaufvertsärkung", 6, 9, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.gain, "", 78, 7, 40, 12},
    {ControlKind::Static, -1, "in dB", 121, 9, 24, 10},
    {ControlKind::Static, -1, "Eingangswiderstand", 6, 25, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.r1, "", 78, 23, 50, 12},
    {ControlKind::Static, -1, "Ausgangswiderstand", 6, 41, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.r2, "", 78, 39, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kOpAmp.cutOffBox, "Grenzfrequenz fg", 6, 59, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.fg, "", 78, 57, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kOpAmp.delayBox, "Time Delay Td", 6, 75, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.td, "", 78, 73, 50, 12},
    {ControlKind::PushButton, 1, "&OK", 14, 106, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 86, 106, 50, 14},
};

constexpr ControlTemplate kVvg[] = {
    {ControlKind::Static, -1, "Vertstärkung", 6, 9, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.gain, "", 78, 7, 40, 12},
    {ControlKind::Static, -1, "Eingangswiderstand", 6, 25, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.r1, "", 78, 23, 50, 12},
    {ControlKind::Static, -1, "Ausgangswiderstand", 6, 41, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.r2, "", 78, 39, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kOpAmp.cutOffBox, "Grenzfrequenz fg", 6, 59, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.fg, "", 78, 57, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kOpAmp.delayBox, "Time Delay Td", 6, 75, 70, 10},
    {ControlKind::Edit, controlled_ids::kOpAmp.td, "", 78, 73, 50, 12},
    {ControlKind::PushButton, 1, "&OK", 14, 106, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 86, 106, 50, 14},
};

constexpr ControlTemplate kVcg[] = {
    {ControlKind::Static, -1, "Steilheit", 6, 9, 70, 10},
    {ControlKind::Edit, controlled_ids::kVcg.gain, "", 78, 7, 40, 12},
    {ControlKind::Static, -1, "Eingangswiderstand", 6, 25, 70, 10},
    {ControlKind::Edit, controlled_ids::kVcg.r1, "", 78, 23, 50, 12},
    {ControlKind::Static, -1, "Ausgangswiderstand", 6, 41, 70, 10},
    {ControlKind::Edit, controlled_ids::kVcg.r2, "", 78, 39, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kVcg.cutOffBox, "Grenzfrequenz fg", 6, 59, 70, 10},
    {ControlKind::Edit, controlled_ids::kVcg.fg, "", 78, 57, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kVcg.delayBox, "Time Delay Td", 6, 75, 70, 10},
    {ControlKind::Edit, controlled_ids::kVcg.td, "", 78, 73, 50, 12},
    {ControlKind::PushButton, 1, "&OK", 14, 106, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 86, 106, 50, 14},
};

constexpr ControlTemplate kCcg[] = {
    {ControlKind::Static, -1, "Stromverstärkung", 6, 9, 70, 10},
    {ControlKind::Edit, controlled_ids::kCcg.gain, "", 78, 7, 40, 12},
    {ControlKind::Static, -1, "Eingangswiderstand", 6, 25, 70, 10},
    {ControlKind::Edit, controlled_ids::kCcg.r1, "", 78, 23, 50, 12},
    {ControlKind::Static, -1, "Ausgangswiderstand", 6, 41, 70, 10},
    {ControlKind::Edit, controlled_ids::kCcg.r2, "", 78, 39, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kCcg.cutOffBox, "Grenzfrequenz fg", 6, 59, 70, 10},
    {ControlKind::Edit, controlled_ids::kCcg.fg, "", 78, 57, 50, 12},
    {ControlKind::CheckBox, controlled_ids::kCcg.delayBox, "Time Delay Td", 6, 75, 70, 10},
    {ControlKind::Edit, controlled_ids::kCcg.td, "", 78, 73, 50, 12},
    {ControlKind::PushButton, 1, "&OK", 14, 106, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 86, 106, 50, 14},
};

constexpr ControlTemplate kSrc[] = {
    {ControlKind::Static, -1, "Resonanzfrequenz", 6, 10, 62, 10},
    {ControlKind::Edit, resonator_ids::kSeries.f0, "", 70, 8, 54, 12},
    {ControlKind::Static, -1, "Kennwiderstand", 6, 28, 62, 10},
    {ControlKind::Edit, resonator_ids::kSeries.zk, "", 70, 26, 54, 12},
    {ControlKind::Static, -1, "Güte", 6, 46, 62, 10},
    {ControlKind::Edit, resonator_ids::kSeries.q, "", 70, 44, 54, 12},
    {ControlKind::PushButton, 1, "&OK", 10, 86, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 70, 86, 50, 14},
};

constexpr ControlTemplate kPrc[] = {
    {ControlKind::Static, -1, "Resonanzfrequenz", 6, 10, 62, 10},
    {ControlKind::Edit, resonator_ids::kParallel.f0, "", 70, 8, 54, 12},
    {ControlKind::Static, -1, "Kennwiderstand", 6, 28, 62, 10},
    {ControlKind::Edit, resonator_ids::kParallel.zk, "", 70, 26, 54, 12},
    {ControlKind::Static, -1, "Güte", 6, 46, 62, 10},
    {ControlKind::Edit, resonator_ids::kParallel.q, "", 70, 44, 54, 12},
    {ControlKind::PushButton, 1, "&OK", 10, 86, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 70, 86, 50, 14},
};

constexpr ControlTemplate kQuarz[] = {
    {ControlKind::Static, -1, "Serienresonanz", 6, 8, 62, 10},
    {ControlKind::Edit, quarz_ids::kFs, "", 70, 6, 54, 12},
    {ControlKind::Static, -1, "Abstand zur", 6, 24, 62, 10},
    {ControlKind::Static, -1, "Parallelresonanz", 6, 32, 62, 10},
    {ControlKind::Edit, quarz_ids::kFd, "", 70, 27, 54, 12},
    {ControlKind::Static, -1, "Kennwiderstand", 6, 48, 62, 10},
    {ControlKind::Edit, quarz_ids::kZk, "", 70, 46, 54, 12},
    {ControlKind::Static, -1, "Güte", 6, 64, 62, 10},
    {ControlKind::Edit, quarz_ids::kQ, "", 70, 62, 54, 12},
    {ControlKind::PushButton, 1, "&OK", 10, 88, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 70, 88, 50, 14},
};

constexpr ControlTemplate kInd[] = {
    {ControlKind::Static, -1, "Induktivitätswert", 6, 8, 62, 10},
    {ControlKind::Edit, ind_ids::kValue, "", 70, 6, 54, 12},
    {ControlKind::CheckBox, ind_ids::kIdeal, "Ideale Induktivität", 6, 24, 100, 10},
    {ControlKind::Static, -1, "Maximale Güte", 6, 42, 62, 10},
    {ControlKind::Edit, ind_ids::kQm, "", 70, 40, 54, 12},
    {ControlKind::Static, -1, "Parallelresonanz-", 6, 56, 62, 10},
    {ControlKind::Static, -1, "frequenz", 6, 64, 62, 10},
    {ControlKind::Edit, ind_ids::kFp, "", 70, 59, 54, 12},
    {ControlKind::Static, -1, "Frequenz max.", 6, 78, 62, 10},
    {ControlKind::Static, -1, "Güte", 6, 86, 62, 10},
    {ControlKind::Edit, ind_ids::kFm, "", 70, 81, 54, 12},
    {ControlKind::PushButton, 1, "&OK", 10, 108, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 70, 108, 50, 14},
};

constexpr ControlTemplate kRes[] = {
    {ControlKind::Static, -1, "Widerstandswert", 10, 14, 62, 10},
    {ControlKind::Edit, smd_ids::kResistance, "", 75, 12, 60, 12},
    {ControlKind::CheckBox, smd_ids::kSmd, "SMD", 10, 36, 40, 10},
    {ControlKind::Static, -1, "Länge", 10, 56, 62, 10},
    {ControlKind::Edit, smd_ids::kResLength, "", 75, 54, 60, 12},
    {ControlKind::PushButton, 1, "OK", 20, 110, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 96, 110, 50, 14},
};

constexpr ControlTemplate kCap[] = {
    {ControlKind::Static, -1, "Kapazitätswert", 10, 14, 62, 10},
    {ControlKind::Edit, smd_ids::kCapacitance, "", 75, 12, 60, 12},
    {ControlKind::CheckBox, smd_ids::kSmd, "SMD", 10, 36, 40, 10},
    {ControlKind::Static, -1, "Länge", 10, 56, 62, 10},
    {ControlKind::Edit, smd_ids::kCapLength, "", 75, 54, 60, 12},
    {ControlKind::PushButton, 1, "OK", 20, 104, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 96, 104, 50, 14},
};

// The owner-drawn control shows the picture of the transformer's kind.
constexpr ControlTemplate kUebertrager[] = {
    {ControlKind::Static, -1, "Serieninduktivität", 8, 10, 76, 10},
    {ControlKind::Edit, uebertrager_ids::kLs, "", 88, 8, 60, 12},
    {ControlKind::Static, -1, "Kopplung", 8, 28, 76, 10},
    {ControlKind::Edit, uebertrager_ids::kCoupling, "", 88, 26, 60, 12},
    {ControlKind::Static, -1, "Parallelinduktivität", 8, 46, 76, 10},
    {ControlKind::Edit, uebertrager_ids::kLp, "", 88, 44, 60, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Windungsverhältnis", 8, 64, 76, 10},
    {ControlKind::Edit, uebertrager_ids::kN1, "", 88, 62, 26, 12},
    {ControlKind::Static, -1, ":", 116, 64, 5, 10},
    {ControlKind::Edit, uebertrager_ids::kN2, "", 122, 62, 26, 12},
    {ControlKind::GroupBox, -1, "Art", 8, 82, 140, 32},
    {ControlKind::RadioButton, uebertrager_ids::kSymmetric, "symmetrisch", 16, 96, 58, 10, kGroup},
    {ControlKind::RadioButton, uebertrager_ids::kUnsymmetric, "unysmmetrisch", 78, 96, 66, 10},
    {ControlKind::OwnerDraw, uebertrager_ids::kPicture, "", 158, 8, 100, 106},
    {ControlKind::PushButton, 1, "OK", 60, 124, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 156, 124, 50, 14},
};

constexpr ControlTemplate kFet[] = {
    {ControlKind::Static, -1, "Name:", 8, 8, 24, 10},
    {ControlKind::Edit, fet_ids::kName, "", 34, 6, 60, 12},
    {ControlKind::Static, -1, "Gain", 104, 8, 30, 10},
    {ControlKind::Edit, fet_ids::kGain, "", 138, 6, 56, 12},
    {ControlKind::CheckBox, fet_ids::kCgsBox, "Cgs", 200, 8, 32, 10},
    {ControlKind::Edit, fet_ids::kCgs, "", 234, 6, 56, 12},
    {ControlKind::CheckBox, fet_ids::kFgBox, "fg", 8, 30, 32, 10},
    {ControlKind::Edit, fet_ids::kFg, "", 42, 28, 56, 12},
    {ControlKind::CheckBox, fet_ids::kTdBox, "Td", 8, 46, 32, 10},
    {ControlKind::Edit, fet_ids::kTd, "", 42, 44, 56, 12},
    {ControlKind::CheckBox, fet_ids::kCdgBox, "Cdg", 8, 62, 32, 10},
    {ControlKind::Edit, fet_ids::kCdg, "", 42, 60, 56, 12},
    {ControlKind::CheckBox, fet_ids::kCdsBox, "Cds", 8, 78, 32, 10},
    {ControlKind::Edit, fet_ids::kCds, "", 42, 76, 56, 12},
    {ControlKind::CheckBox, fet_ids::kRdsBox, "Rds", 8, 94, 32, 10},
    {ControlKind::Edit, fet_ids::kRds, "", 42, 92, 56, 12},
    {ControlKind::CheckBox, fet_ids::kRgsBox, "Rgs", 8, 110, 32, 10},
    {ControlKind::Edit, fet_ids::kRgs, "", 42, 108, 56, 12},
    {ControlKind::CheckBox, fet_ids::kRgBox, "Rg", 104, 30, 32, 10},
    {ControlKind::Edit, fet_ids::kRg, "", 138, 28, 56, 12},
    {ControlKind::CheckBox, fet_ids::kRdBox, "Rd", 104, 46, 32, 10},
    {ControlKind::Edit, fet_ids::kRd, "", 138, 44, 56, 12},
    {ControlKind::CheckBox, fet_ids::kRsBox, "Rs", 104, 62, 32, 10},
    {ControlKind::Edit, fet_ids::kRs, "", 138, 60, 56, 12},
    {ControlKind::CheckBox, fet_ids::kCgeBox, "Cge", 104, 78, 32, 10},
    {ControlKind::Edit, fet_ids::kCge, "", 138, 76, 56, 12},
    {ControlKind::CheckBox, fet_ids::kCdeBox, "Cde", 104, 94, 32, 10},
    {ControlKind::Edit, fet_ids::kCde, "", 138, 92, 56, 12},
    {ControlKind::CheckBox, fet_ids::kLgBox, "Lg", 104, 110, 32, 10},
    {ControlKind::Edit, fet_ids::kLg, "", 138, 108, 56, 12},
    {ControlKind::CheckBox, fet_ids::kLdBox, "Ld", 200, 30, 32, 10},
    {ControlKind::Edit, fet_ids::kLd, "", 234, 28, 56, 12},
    {ControlKind::CheckBox, fet_ids::kLsBox, "Ls", 200, 46, 32, 10},
    {ControlKind::Edit, fet_ids::kLs, "", 234, 44, 56, 12},
    {ControlKind::CheckBox, fet_ids::kCgdeBox, "Cgde", 200, 62, 32, 10},
    {ControlKind::Edit, fet_ids::kCgde, "", 234, 60, 56, 12},
    {ControlKind::CheckBox, fet_ids::kRdgBox, "Rdg", 200, 78, 32, 10},
    {ControlKind::Edit, fet_ids::kRdg, "", 234, 76, 56, 12},
    {ControlKind::PushButton, 1, "&OK", 80, 140, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "&Cancel", 164, 140, 50, 14},
};

// The pages of the bipolar transistor's sheet, which brings its own buttons.
constexpr ControlTemplate kHParm[] = {
    {ControlKind::Static, -1, "Name:", 10, 10, 40, 10},
    {ControlKind::Edit, bipolar_ids::kName, "", 60, 8, 80, 12},
    {ControlKind::Static, -1, "H_11", 10, 28, 40, 10},
    {ControlKind::Edit, bipolar_ids::kH11, "", 60, 26, 80, 12},
    {ControlKind::Static, -1, "H_12", 10, 46, 40, 10},
    {ControlKind::Edit, bipolar_ids::kH12, "", 60, 44, 80, 12},
    {ControlKind::Static, -1, "H_21", 10, 64, 40, 10},
    {ControlKind::Edit, bipolar_ids::kH21, "", 60, 62, 80, 12},
    {ControlKind::Static, -1, "H_22", 10, 82, 40, 10},
    {ControlKind::Edit, bipolar_ids::kH22, "", 60, 80, 80, 12},
};

constexpr ControlTemplate kYParm[] = {
    {ControlKind::Static, -1, "G_11", 10, 10, 36, 10},
    {ControlKind::Static, -1, "C_11", 52, 10, 36, 10},
    {ControlKind::Static, -1, "G_21", 94, 10, 36, 10},
    {ControlKind::Static, -1, "C_21", 136, 10, 36, 10},
    {ControlKind::Edit, bipolar_ids::kYFirstRow[0], "", 10, 24, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYFirstRow[1], "", 52, 24, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYFirstRow[2], "", 94, 24, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYFirstRow[3], "", 136, 24, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYSecondRow[0], "", 10, 42, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYSecondRow[1], "", 52, 42, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYSecondRow[2], "", 94, 42, 36, 12},
    {ControlKind::Edit, bipolar_ids::kYSecondRow[3], "", 136, 42, 36, 12},
};

namespace ds = data_symbol_ids;
constexpr unsigned kDataEdit = pf::kStyleMultiline;

constexpr ControlTemplate kDataSymbol[] = {
    {ControlKind::Static, -1, "Datei:", 6, 8, 24, 10},
    {ControlKind::Edit, ds::kFile, "", 32, 6, 262, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Frequenz", 8, 24, 50, 10},
    {ControlKind::Static, -1, "S_11", 60, 24, 56, 10},
    {ControlKind::Static, -1, "S_21", 118, 24, 56, 10},
    {ControlKind::Static, -1, "S_12", 176, 24, 56, 10},
    {ControlKind::Static, -1, "S_22", 234, 24, 56, 10},
    {ControlKind::Edit, ds::kData, "", 6, 36, 288, 110, kDataEdit},
    {ControlKind::GroupBox, -1, "Tor", 6, 150, 90, 50},
    {ControlKind::RadioButton, ds::kOnePort, "Eintor", 12, 160, 70, 10, kGroup},
    {ControlKind::RadioButton, ds::kTwoTerminal, "Zweipol", 12, 172, 70, 10},
    {ControlKind::RadioButton, ds::kTwoPort, "Zweitor", 12, 184, 70, 10},
    {ControlKind::GroupBox, -1, "Betrag", 102, 150, 80, 50},
    {ControlKind::RadioButton, ds::kLinear, "linear", 108, 160, 60, 10, kGroup},
    {ControlKind::RadioButton, ds::kDb, "in dB", 108, 172, 60, 10},
    {ControlKind::GroupBox, -1, "Frequenz", 188, 150, 106, 50},
    {ControlKind::RadioButton, ds::kGHz, "GHz", 194, 160, 44, 10, kGroup},
    {ControlKind::RadioButton, ds::kMHz, "MHz", 244, 160, 44, 10},
    {ControlKind::RadioButton, ds::kKHz, "kHz", 194, 176, 44, 10},
    {ControlKind::RadioButton, ds::kHz, "Hz", 244, 176, 44, 10},
    {ControlKind::PushButton, 1, "OK", 70, 206, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 180, 206, 50, 14},
};

constexpr ControlTemplate kUserNetSymbol[] = {
    {ControlKind::Edit, user_net_ids::kLines, "", 6, 6, 288, 150, kDataEdit},
    {ControlKind::PushButton, 1, "OK", 125, 162, 50, 14, kDefault},
};

constexpr DialogTemplate kDialogs[] = {
    {0, "OPAMPDIALG", "Operationsverstärker", 150, 130, kOpAmp},
    {0, "VVGDIALG", "Spannungsgesteuerte Spannungsquelle", 150, 130, kVvg},
    {0, "VCGDIALG", "Spannungsgesteuerte Stromquelle", 150, 130, kVcg},
    {0, "CCGDIALG", "Stromgesteuerte Stromquelle", 150, 130, kCcg},
    {0, "SRCDIALG", "Serienresonanzkreis", 130, 110, kSrc},
    {0, "PRCDIALG", "Parallelresonanzkreis", 130, 110, kPrc},
    {0, "QUARZDIALG", "Schwingquarz", 130, 110, kQuarz},
    {0, "INDDIALG", "Induktivität", 130, 130, kInd},
    {smd_ids::kResTemplate, nullptr, "Widerstand", 173, 135, kRes},
    {smd_ids::kCapTemplate, nullptr, "Kapazität", 168, 129, kCap},
    {uebertrager_ids::kTemplate, nullptr, "Übertrager", 266, 146, kUebertrager},
    {0, "FETDIALG", "Feldeffekttransistor", 294, 163, kFet},
    {bipolar_ids::kHTemplate, nullptr, "H-Parameter", 180, 100, kHParm},
    {bipolar_ids::kYTemplate, nullptr, "Y-Parameter", 180, 100, kYParm},
    {ds::kTemplate, nullptr, "Daten-Mehrtor", 300, 226, kDataSymbol},
    {user_net_ids::kTemplate, nullptr, "UserNetSymbol", 300, 182, kUserNetSymbol},
};

}  // namespace

std::span<const DialogTemplate> ElementDialogs() { return kDialogs; }
