// Dialog templates of the instruments.

#include "resources/AnalyserIds.h"
#include "resources/Resources.h"
#include "resources/ScreenIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;
namespace ids = analyser_ids;

// The screen fills the left part; OnInitDialog sizes it from the spins and the OK button.
constexpr ControlTemplate kNetAnalyser[] = {
    {ControlKind::OwnerDraw, screen_ids::kScreen, "", 0, 0, 250, 196},
    {ControlKind::UpDown, ids::kRefPos, "", 262, 8, 10, 14},
    {ControlKind::UpDown, ids::kRefValue, "", 262, 26, 10, 14},
    {ControlKind::UpDown, ids::kYScale, "", 262, 44, 10, 14},
    {ControlKind::UpDown, ids::kPlaneXRefPos, "", 262, 62, 10, 14},
    {ControlKind::UpDown, ids::kXRefPos, "", 262, 80, 10, 14},
    {ControlKind::UpDown, ids::kStabCursor, "", 262, 98, 10, 14},
    {ControlKind::UpDown, ids::kSoftKeys, "", 262, 116, 10, 14},
    {ControlKind::UpDown, ids::kMarkerStep, "", 262, 134, 10, 14},
    {ControlKind::UpDown, ids::kFreeMarker, "", 262, 152, 10, 14},
    {ControlKind::PushButton, ids::kParameter, "Parameter", 280, 8, 50, 14},
    {ControlKind::PushButton, ids::kFormat, "Format", 334, 8, 50, 14},
    {ControlKind::PushButton, ids::kAnalyse, "Analyse", 280, 26, 50, 14},
    {ControlKind::PushButton, ids::kMarker, "Marker", 334, 26, 50, 14},
    {ControlKind::PushButton, ids::kFrequency, "Frequenz", 280, 44, 50, 14},
    {ControlKind::PushButton, ids::kGenerator, "Generator", 334, 44, 50, 14},
    {ControlKind::PushButton, ids::kDisplay, "Display", 280, 62, 50, 14},
    {ControlKind::PushButton, ids::kScreenCopy, "Screen", 334, 62, 50, 14},
    {ControlKind::PushButton, ids::kData, "Daten", 280, 80, 50, 14},
    {ControlKind::PushButton, ids::kPicTex, "PicTex", 334, 80, 50, 14},
    {ControlKind::PushButton, ids::kSave, "Save", 280, 98, 50, 14},
    {ControlKind::PushButton, ids::kLoad, "Load", 334, 98, 50, 14},
    {ControlKind::RadioButton, ids::kOnePort, "Eintor", 280, 124, 50, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, ids::kTwoPort, "Zweitor", 334, 124, 50, 10},
    {ControlKind::PushButton, 1, "OK", 307, 182, 50, 14, pf::kStyleDefault},
};

constexpr ControlTemplate kGenerator[] = {
    {ControlKind::Static, -1, "RiGen_1", 8, 10, 40, 10},
    {ControlKind::Edit, gen_ids::kPort1, "", 52, 8, 70, 12},
    {ControlKind::Static, -1, "RiGen_2", 8, 28, 40, 10},
    {ControlKind::Edit, gen_ids::kPort2, "", 52, 26, 70, 12},
    {ControlKind::PushButton, 1, "&OK", 8, 48, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "&Cancel", 72, 48, 50, 14},
};

constexpr ControlTemplate kFrequency[] = {
    {ControlKind::Static, -1, "Start ", 8, 10, 36, 10},
    {ControlKind::Edit, freq_ids::kStart, "", 48, 8, 70, 12},
    {ControlKind::Static, -1, "Stop", 8, 28, 36, 10},
    {ControlKind::Edit, freq_ids::kStop, "", 48, 26, 70, 12},
    {ControlKind::Static, -1, "Anzahl", 8, 46, 36, 10},
    {ControlKind::Edit, freq_ids::kCount, "", 48, 44, 30, 12},
    {ControlKind::GroupBox, freq_ids::kModeGroup, "Sweep Mode", 126, 6, 76, 50},
    {ControlKind::RadioButton, freq_ids::kLinear, "Linear", 132, 20, 66, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, freq_ids::kExponential, "Exponentiell", 132, 36, 66, 10},
    {ControlKind::PushButton, 1, "&OK", 48, 66, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "&Cancel", 112, 66, 50, 14},
};

constexpr ControlTemplate kForm[] = {
    {ControlKind::GroupBox, form_ids::kGroup, "Formate", 8, 6, 84, 136},
    {ControlKind::RadioButton, form_ids::kForms[0], "LogMag", 14, 20, 72, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, form_ids::kForms[1], "LinMag", 14, 33, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[2], "LinPhase", 14, 46, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[3], "LogPolar", 14, 59, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[4], "LinPolar", 14, 72, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[5], "RecPlane", 14, 85, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[6], "SmithDia", 14, 98, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[7], "LinReal", 14, 111, 72, 10},
    {ControlKind::RadioButton, form_ids::kForms[8], "LinImag", 14, 124, 72, 10},
    {ControlKind::PushButton, 1, "&OK", 25, 150, 50, 14, pf::kStyleDefault},
};

constexpr ControlTemplate kMeasure[] = {
    {ControlKind::GroupBox, meas_ids::kKindGroup, "", 8, 6, 70, 108},
    {ControlKind::RadioButton, meas_ids::kKinds[0], " Y", 14, 18, 60, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, meas_ids::kKinds[1], " Z", 14, 31, 60, 10},
    {ControlKind::RadioButton, meas_ids::kKinds[2], " S", 14, 44, 60, 10},
    {ControlKind::RadioButton, meas_ids::kKinds[3], " Vu", 14, 57, 60, 10},
    {ControlKind::RadioButton, meas_ids::kKinds[4], " K", 14, 70, 60, 10},
    {ControlKind::RadioButton, meas_ids::kKinds[5], "MSG/MAG", 14, 83, 60, 10},
    {ControlKind::RadioButton, meas_ids::kKinds[6], "Ropt", 14, 96, 60, 10},
    {ControlKind::GroupBox, meas_ids::kIndexGroup, "Index", 86, 6, 56, 70},
    {ControlKind::RadioButton, meas_ids::kIndices[0], "_11", 92, 18, 44, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, meas_ids::kIndices[1], "_12", 92, 31, 44, 10},
    {ControlKind::RadioButton, meas_ids::kIndices[2], "_21", 92, 44, 44, 10},
    {ControlKind::RadioButton, meas_ids::kIndices[3], "_22", 92, 57, 44, 10},
    {ControlKind::PushButton, 1, "&OK", 88, 98, 50, 14, pf::kStyleDefault},
};

namespace disp = display_ids;
constexpr ControlTemplate kDisplay[] = {
    {ControlKind::Static, -1, "Name", 8, 10, 30, 10},
    {ControlKind::Edit, disp::kName, "", 42, 8, 130, 12},
    {ControlKind::Static, disp::kNetText, "", 42, 24, 130, 10},
    {ControlKind::Static, disp::kDateText, "", 42, 36, 130, 10},
    {ControlKind::PushButton, disp::kColour, "Farbe", 8, 50, 50, 14},
    {ControlKind::GroupBox, -1, "Art", 8, 70, 70, 40},
    {ControlKind::RadioButton, disp::kLine, "Linie", 14, 82, 60, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, disp::kPoints, "Punkte", 14, 95, 60, 10},
    {ControlKind::GroupBox, -1, "Punktform", 86, 70, 86, 54},
    {ControlKind::RadioButton, disp::kDiamond, "Raute", 92, 82, 60, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, disp::kCircle, "Kreis", 92, 95, 60, 10},
    {ControlKind::RadioButton, disp::kCross, "Kreuz", 92, 108, 60, 10},
    {ControlKind::Edit, disp::kInterval, "", 8, 116, 30, 12},
    {ControlKind::UpDown, disp::kIntervalSpin, "", 40, 116, 10, 12},
    {ControlKind::PushButton, 1, "&OK", 62, 134, 50, 14, pf::kStyleDefault},
};

constexpr DialogTemplate kDialogs[] = {
    {ids::kTemplate, nullptr, "Netzwerkanalysator", 392, 200, kNetAnalyser},
    {0, gen_ids::kTemplate, "Generator", 130, 70, kGenerator},
    {0, freq_ids::kTemplate, "Frequenzen", 210, 88, kFrequency},
    {0, form_ids::kTemplate, "Diagramme", 100, 172, kForm},
    {0, meas_ids::kTemplate, "Parameter", 150, 120, kMeasure},
    {disp::kTemplate, nullptr, "Display Einstellungen", 180, 156, kDisplay},
};

}  // namespace

std::span<const pf::DialogTemplate> InstrumentDialogs() { return kDialogs; }
