// Dialog templates of the instruments.

#include "resources/AnalyserIds.h"
#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;
namespace ids = analyser_ids;

// The screen fills the left part; OnInitDialog sizes it from the spins and the OK button.
constexpr ControlTemplate kNetAnalyser[] = {
    {ControlKind::OwnerDraw, ids::kScreen, "", 0, 0, 250, 196},
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

constexpr DialogTemplate kDialogs[] = {
    {ids::kTemplate, nullptr, "Netzwerkanalysator", 392, 200, kNetAnalyser},
};

}  // namespace

std::span<const pf::DialogTemplate> InstrumentDialogs() { return kDialogs; }
