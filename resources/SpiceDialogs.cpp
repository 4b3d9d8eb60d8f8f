// Dialog templates of the SPICE analyses: the raw file, the DC sweep, the transient times and the
// multimeter's readings.

#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kRawFile[] = {
    {ControlKind::Edit, 1209, "", 6, 6, 308, 170, pf::kStyleMultiline | pf::kStyleReadOnly},
    {ControlKind::PushButton, 1, "OK", 264, 182, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
};

constexpr ControlTemplate kDcSweep[] = {
    {ControlKind::Static, -1, "Master:", 10, 12, 40, 8},
    {ControlKind::ComboBox, 1212, "", 54, 10, 100, 60, pf::kStyleDropDownList},
    {ControlKind::GroupBox, -1, "Spannungen", 6, 30, 156, 74},
    {ControlKind::Static, -1, "Start", 14, 46, 40, 8},
    {ControlKind::Edit, 1035, "", 60, 44, 90, 14},
    {ControlKind::Static, -1, "Stop", 14, 64, 40, 8},
    {ControlKind::Edit, 1036, "", 60, 62, 90, 14},
    {ControlKind::Static, -1, "Delta", 14, 82, 40, 8},
    {ControlKind::Edit, 1041, "", 60, 80, 90, 14},
    {ControlKind::PushButton, 1, "OK", 56, 112, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 112, 112, 50, 14},
};

constexpr ControlTemplate kTransient[] = {
    {ControlKind::Static, -1, "Dauer der Erregung", 10, 12, 90, 8},
    {ControlKind::Edit, 1057, "", 104, 10, 80, 14},
    {ControlKind::Static, -1, "Ausgabe Schrittweite", 10, 30, 90, 8},
    {ControlKind::Edit, 1058, "", 104, 28, 80, 14},
    {ControlKind::Static, -1, "Max. Rechenschrittweite", 10, 48, 90, 8},
    {ControlKind::Edit, 1059, "", 104, 46, 80, 14},
    {ControlKind::PushButton, 1, "OK", 78, 70, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 134, 70, 50, 14},
};

constexpr ControlTemplate kMeterReadings[] = {
    {ControlKind::Static, -1, "Messwerte:", 6, 6, 60, 8},
    {ControlKind::Edit, 1196, "", 6, 16, 200, 150, pf::kStyleMultiline | pf::kStyleReadOnly},
    {ControlKind::GroupBox, -1, "Anzeige", 214, 12, 70, 68},
    {ControlKind::RadioButton, 1056, "Amplitude", 220, 24, 60, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, 1057, "Phase", 220, 38, 60, 10},
    {ControlKind::RadioButton, 1058, "Komplex", 220, 52, 60, 10},
    {ControlKind::RadioButton, 1243, "Mittelwert", 220, 66, 60, 10},
    {ControlKind::PushButton, 1, "OK", 234, 134, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 234, 152, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {243, nullptr, "Multimeter", 290, 172, kMeterReadings},
    {254, nullptr, "Spice RawFile", 320, 202, kRawFile},
    {255, nullptr, "DcSweep Analyse", 168, 132, kDcSweep},
    {256, nullptr, "Transient-Analyse", 192, 90, kTransient},
};

}  // namespace

std::span<const DialogTemplate> SpiceDialogs() { return kDialogs; }
