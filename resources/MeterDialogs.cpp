// Dialog templates of the multimeter and of the signal and DC generators.

#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kMultiMeter[] = {
    {ControlKind::GroupBox, -1, "Messung", 8, 6, 90, 44},
    {ControlKind::RadioButton, 1016, "Spannung", 16, 20, 74, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, 1017, "Strom", 16, 34, 74, 10},
    {ControlKind::PushButton, 1, "OK", 28, 58, 50, 14, pf::kStyleDefault},
};

// The "DC-Netzteil" group's edits are part of the layout only; the dialog leaves them empty.
constexpr ControlTemplate kSignalGenerator[] = {
    {ControlKind::GroupBox, -1, "HF-Generator", 6, 4, 150, 46},
    {ControlKind::Static, -1, "Leerlaufspannung", 12, 18, 64, 10},
    {ControlKind::Edit, 1022, "", 80, 16, 70, 12},
    {ControlKind::Static, -1, "Innenwiderstand", 12, 34, 64, 10},
    {ControlKind::Edit, 1023, "", 80, 32, 70, 12},
    {ControlKind::GroupBox, -1, "Frequenzdurchlauf", 6, 54, 150, 100},
    {ControlKind::Static, -1, "Start", 12, 68, 64, 10},
    {ControlKind::Edit, 1021, "", 80, 66, 70, 12},
    {ControlKind::Static, -1, "Stop", 12, 84, 64, 10},
    {ControlKind::Edit, 1010, "", 80, 82, 70, 12},
    {ControlKind::Static, -1, "Schritte", 12, 100, 64, 10},
    {ControlKind::Edit, 1011, "", 80, 98, 70, 12},
    {ControlKind::RadioButton, 1160, "Linear", 12, 120, 64, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, 1161, "Logarithmisch", 80, 120, 70, 10},
    {ControlKind::GroupBox, -1, "DC-Netzteil", 162, 4, 120, 150},
    {ControlKind::Static, -1, "Leerlaufspannung", 168, 18, 64, 10},
    {ControlKind::Static, -1, "Start", 168, 34, 40, 10},
    {ControlKind::Edit, 1035, "", 212, 32, 64, 12},
    {ControlKind::Static, -1, "Stop", 168, 50, 40, 10},
    {ControlKind::Edit, 1036, "", 212, 48, 64, 12},
    {ControlKind::Static, -1, "Schritte", 168, 66, 40, 10},
    {ControlKind::Edit, 1012, "", 212, 64, 64, 12},
    {ControlKind::Static, -1, "Ri", 168, 82, 40, 10},
    {ControlKind::Edit, 1037, "", 212, 80, 64, 12},
    {ControlKind::PushButton, 1020, "Start", 12, 162, 50, 14},
    {ControlKind::PushButton, 1, "OK", 120, 162, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 180, 162, 50, 14},
};

// The built-in DC run starts with "Start" (command 3).
constexpr ControlTemplate kDcGenerator[] = {
    {ControlKind::RadioButton, 1215, "Spannungsquelle", 8, 8, 80, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, 1214, "Stromquelle", 96, 8, 80, 10},
    {ControlKind::RadioButton, 1179, "Fest", 8, 24, 80, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, 1180, "Variabel", 96, 24, 80, 10},
    {ControlKind::Edit, 1038, "", 8, 38, 70, 12},
    {ControlKind::Static, -1, "Start", 96, 40, 30, 10},
    {ControlKind::Edit, 1035, "", 130, 38, 70, 12},
    {ControlKind::Static, -1, "Stop", 96, 56, 30, 10},
    {ControlKind::Edit, 1036, "", 130, 54, 70, 12},
    {ControlKind::Static, -1, "Delta", 96, 72, 30, 10},
    {ControlKind::Edit, 1041, "", 130, 70, 70, 12},
    {ControlKind::Static, -1, "Ri", 8, 56, 20, 10},
    {ControlKind::Edit, 1037, "", 8, 70, 70, 12, pf::kStyleReadOnly},
    {ControlKind::Static, -1, "Slave", 8, 90, 30, 10},
    {ControlKind::ComboBox, 1213, "", 40, 88, 90, 40, pf::kStyleDropDownList},
    {ControlKind::PushButton, 3, "Start", 8, 112, 50, 14},
    {ControlKind::PushButton, 1, "OK", 84, 112, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 150, 112, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {144, nullptr, "Multimeter", 106, 80, kMultiMeter},
    {145, nullptr, "Signalgenerator", 288, 182, kSignalGenerator},
    {153, nullptr, "Dc-Netzteil", 208, 132, kDcGenerator},
};

}  // namespace

std::span<const pf::DialogTemplate> MeterDialogs() { return kDialogs; }
