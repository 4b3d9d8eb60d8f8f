// Dialog templates of the SPICE analyses: the raw file, the DC sweep, the transient times and the
// multimeter's readings.

#include "resources/Resources.h"
#include "resources/SpiceAnalysisIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kRawFile[] = {
    {ControlKind::Edit, rawfile_ids::kText, "", 6, 6, 308, 170,
     pf::kStyleMultiline | pf::kStyleReadOnly},
    {ControlKind::PushButton, 1, "OK", 264, 182, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
};

constexpr ControlTemplate kDcSweep[] = {
    {ControlKind::Static, -1, "Master:", 10, 12, 40, 8},
    {ControlKind::ComboBox, dcsweep_ids::kMaster, "", 54, 10, 100, 60, pf::kStyleDropDownList},
    {ControlKind::GroupBox, -1, "Spannungen", 6, 30, 156, 74},
    {ControlKind::Static, -1, "Start", 14, 46, 40, 8},
    {ControlKind::Edit, dcsweep_ids::kStart, "", 60, 44, 90, 14},
    {ControlKind::Static, -1, "Stop", 14, 64, 40, 8},
    {ControlKind::Edit, dcsweep_ids::kStop, "", 60, 62, 90, 14},
    {ControlKind::Static, -1, "Delta", 14, 82, 40, 8},
    {ControlKind::Edit, dcsweep_ids::kStep, "", 60, 80, 90, 14},
    {ControlKind::PushButton, 1, "OK", 56, 112, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 112, 112, 50, 14},
};

constexpr ControlTemplate kTransient[] = {
    {ControlKind::Static, -1, "Dauer der Erregung", 10, 12, 90, 8},
    {ControlKind::Edit, transient_ids::kDuration, "", 104, 10, 80, 14},
    {ControlKind::Static, -1, "Ausgabe Schrittweite", 10, 30, 90, 8},
    {ControlKind::Edit, transient_ids::kStep, "", 104, 28, 80, 14},
    {ControlKind::Static, -1, "Max. Rechenschrittweite", 10, 48, 90, 8},
    {ControlKind::Edit, transient_ids::kMaxStep, "", 104, 46, 80, 14},
    {ControlKind::PushButton, 1, "OK", 78, 70, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 134, 70, 50, 14},
};

constexpr ControlTemplate kMeterReadings[] = {
    {ControlKind::Static, -1, "Messwerte:", 6, 6, 60, 8},
    {ControlKind::Edit, readings_ids::kTable, "", 6, 16, 200, 150,
     pf::kStyleMultiline | pf::kStyleReadOnly},
    {ControlKind::GroupBox, -1, "Anzeige", 214, 12, 70, 68},
    {ControlKind::RadioButton, readings_ids::kAmplitude, "Amplitude", 220, 24, 60, 10,
     pf::kStyleGroup},
    {ControlKind::RadioButton, readings_ids::kPhase, "Phase", 220, 38, 60, 10},
    {ControlKind::RadioButton, readings_ids::kComplex, "Komplex", 220, 52, 60, 10},
    {ControlKind::RadioButton, readings_ids::kMean, "Mittelwert", 220, 66, 60, 10},
    {ControlKind::PushButton, 1, "OK", 234, 134, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 234, 152, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {readings_ids::kTemplate, nullptr, "Multimeter", 290, 172, kMeterReadings},
    {rawfile_ids::kTemplate, nullptr, "Spice RawFile", 320, 202, kRawFile},
    {dcsweep_ids::kTemplate, nullptr, "DcSweep Analyse", 168, 132, kDcSweep},
    {transient_ids::kTemplate, nullptr, "Transient-Analyse", 192, 90, kTransient},
};

}  // namespace

std::span<const DialogTemplate> SpiceDialogs() { return kDialogs; }
