// Dialog templates of the SPICE analyses: the raw file, the DC sweep and the transient times.

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

constexpr DialogTemplate kDialogs[] = {
    {254, nullptr, "Spice RawFile", 320, 202, kRawFile},
    {255, nullptr, "DcSweep Analyse", 168, 132, kDcSweep},
    {256, nullptr, "Transient-Analyse", 192, 90, kTransient},
};

}  // namespace

std::span<const DialogTemplate> SpiceDialogs() { return kDialogs; }
