// Dialog templates of the multimeter and of the signal and DC generators.

#include "resources/MeterIds.h"
#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kMultiMeter[] = {
    {ControlKind::GroupBox, -1, "Messung", 8, 6, 90, 44},
    {ControlKind::RadioButton, multimeter_ids::kVoltage, "Spannung", 16, 20, 74, 10,
     pf::kStyleGroup},
    {ControlKind::RadioButton, multimeter_ids::kCurrent, "Strom", 16, 34, 74, 10},
    {ControlKind::PushButton, 1, "OK", 28, 58, 50, 14, pf::kStyleDefault},
};

// The "DC-Netzteil" group's edits are part of the layout only; the dialog leaves them empty.
constexpr ControlTemplate kSignalGenerator[] = {
    {ControlKind::GroupBox, -1, "HF-Generator", 6, 4, 150, 46},
    {ControlKind::Static, -1, "Leerlaufspannung", 12, 18, 64, 10},
    {ControlKind::Edit, siggen_ids::kVoltage, "", 80, 16, 70, 12},
    {ControlKind::Static, -1, "Innenwiderstand", 12, 34, 64, 10},
    {ControlKind::Edit, siggen_ids::kResistance, "", 80, 32, 70, 12},
    {ControlKind::GroupBox, -1, "Frequenzdurchlauf", 6, 54, 150, 100},
    {ControlKind::Static, -1, "Start", 12, 68, 64, 10},
    {ControlKind::Edit, siggen_ids::kStartFrequency, "", 80, 66, 70, 12},
    {ControlKind::Static, -1, "Stop", 12, 84, 64, 10},
    {ControlKind::Edit, siggen_ids::kStopFrequency, "", 80, 82, 70, 12},
    {ControlKind::Static, -1, "Schritte", 12, 100, 64, 10},
    {ControlKind::Edit, siggen_ids::kCount, "", 80, 98, 70, 12},
    {ControlKind::RadioButton, siggen_ids::kLinear, "Linear", 12, 120, 64, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, siggen_ids::kLogarithmic, "Logarithmisch", 80, 120, 70, 10},
    {ControlKind::GroupBox, -1, "DC-Netzteil", 162, 4, 120, 150},
    {ControlKind::Static, -1, "Leerlaufspannung", 168, 18, 64, 10},
    {ControlKind::Static, -1, "Start", 168, 34, 40, 10},
    {ControlKind::Edit, siggen_ids::kDcStart, "", 212, 32, 64, 12},
    {ControlKind::Static, -1, "Stop", 168, 50, 40, 10},
    {ControlKind::Edit, siggen_ids::kDcStop, "", 212, 48, 64, 12},
    {ControlKind::Static, -1, "Schritte", 168, 66, 40, 10},
    {ControlKind::Edit, siggen_ids::kDcStep, "", 212, 64, 64, 12},
    {ControlKind::Static, -1, "Ri", 168, 82, 40, 10},
    {ControlKind::Edit, siggen_ids::kDcResistance, "", 212, 80, 64, 12},
    {ControlKind::PushButton, siggen_ids::kStart, "Start", 12, 162, 50, 14},
    {ControlKind::PushButton, 1, "OK", 120, 162, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 180, 162, 50, 14},
};

constexpr ControlTemplate kDcGenerator[] = {
    {ControlKind::RadioButton, dcgen_ids::kVoltageSource, "Spannungsquelle", 8, 8, 80, 10,
     pf::kStyleGroup},
    {ControlKind::RadioButton, dcgen_ids::kCurrentSource, "Stromquelle", 96, 8, 80, 10},
    {ControlKind::RadioButton, dcgen_ids::kFixed, "Fest", 8, 24, 80, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, dcgen_ids::kVariable, "Variabel", 96, 24, 80, 10},
    {ControlKind::Edit, dcgen_ids::kFixedValue, "", 8, 38, 70, 12},
    {ControlKind::Static, -1, "Start", 96, 40, 30, 10},
    {ControlKind::Edit, dcgen_ids::kStartValue, "", 130, 38, 70, 12},
    {ControlKind::Static, -1, "Stop", 96, 56, 30, 10},
    {ControlKind::Edit, dcgen_ids::kStopValue, "", 130, 54, 70, 12},
    {ControlKind::Static, -1, "Delta", 96, 72, 30, 10},
    {ControlKind::Edit, dcgen_ids::kStepValue, "", 130, 70, 70, 12},
    {ControlKind::Static, -1, "Ri", 8, 56, 20, 10},
    {ControlKind::Edit, dcgen_ids::kResistance, "", 8, 70, 70, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Slave", 8, 90, 30, 10},
    {ControlKind::ComboBox, dcgen_ids::kSlave, "", 40, 88, 90, 40, pf::kStyleDropDownList},
    {ControlKind::PushButton, dcgen_ids::kStart, "Start", 8, 112, 50, 14},
    {ControlKind::PushButton, 1, "OK", 84, 112, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 150, 112, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {multimeter_ids::kTemplate, nullptr, "Multimeter", 106, 80, kMultiMeter},
    {siggen_ids::kTemplate, nullptr, "Signalgenerator", 288, 182, kSignalGenerator},
    {dcgen_ids::kTemplate, nullptr, "Dc-Netzteil", 208, 132, kDcGenerator},
};

}  // namespace

std::span<const pf::DialogTemplate> MeterDialogs() { return kDialogs; }
