// Dialog templates of the SPICE-model symbols, the diode and the model library.

#include "resources/Resources.h"
#include "resources/SpiceModelIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;
using namespace spice_ids;

constexpr unsigned kDefault = pf::kStyleDefault;
constexpr unsigned kGroup = pf::kStyleGroup;

constexpr ControlTemplate kBipChooserControls[] = {
    {ControlKind::ListBox, kBipList, "", 8, 8, 120, 90},
    {ControlKind::PushButton, 1, "OK", 136, 8, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 136, 28, 50, 14},
};

constexpr ControlTemplate kFetChooserControls[] = {
    {ControlKind::ListBox, kFetList, "", 8, 8, 120, 90},
    {ControlKind::PushButton, 1, "OK", 136, 8, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 136, 28, 50, 14},
};

constexpr ControlTemplate kDiodeChooserControls[] = {
    {ControlKind::ListBox, kDiodeList, "", 8, 8, 120, 90},
    {ControlKind::PushButton, 1, "OK", 136, 8, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 136, 28, 50, 14},
};

constexpr ControlTemplate kShowControls[] = {
    {ControlKind::Edit, kShowText, "", 6, 6, 268, 120, pf::kStyleMultiline},
    {ControlKind::PushButton, 1, "OK", 70, 132, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 160, 132, 50, 14},
};

constexpr ControlTemplate kDiodePage1Controls[] = {
    {ControlKind::Static, -1, "Sättigungssperrstrom IS", 8, 10, 100, 10},
    {ControlKind::Edit, kIs, "", 112, 8, 60, 12},
    {ControlKind::Static, -1, "Emissionskoeffizient N", 8, 28, 100, 10},
    {ControlKind::Edit, kN, "", 112, 26, 60, 12},
    {ControlKind::Static, -1, "Bahnwiderstand RS", 8, 46, 100, 10},
    {ControlKind::Edit, kRs, "", 112, 44, 60, 12},
    {ControlKind::Static, -1, "Temperatur To", 8, 64, 100, 10},
    {ControlKind::Edit, kTo, "", 112, 62, 60, 12},
    {ControlKind::Static, -1, "Temperaturexponent XTI", 8, 82, 100, 10},
    {ControlKind::Edit, kXti, "", 112, 80, 60, 12},
};

constexpr ControlTemplate kDiodePage2Controls[] = {
    {ControlKind::Static, -1, "Sättigungssperrstrom ISR", 8, 10, 100, 10},
    {ControlKind::Edit, kIs, "", 112, 8, 60, 12},
    {ControlKind::Static, -1, "Emissionskoeffizient NR", 8, 28, 100, 10},
    {ControlKind::Edit, kN, "", 112, 26, 60, 12},
    {ControlKind::Static, -1, "Diffusionsspannung VJ", 8, 46, 100, 10},
    {ControlKind::Edit, kVj, "", 112, 44, 60, 12},
    {ControlKind::Static, -1, "Gradationsexponent M", 8, 64, 100, 10},
    {ControlKind::Edit, kM, "", 112, 62, 60, 12},
};

constexpr ControlTemplate kDiodePage3Controls[] = {
    {ControlKind::Static, -1, "Durchbruchstrom IBV", 8, 10, 100, 10},
    {ControlKind::Edit, kIbv, "", 112, 8, 60, 12},
    {ControlKind::Static, -1, "Durchbruchfaktor NBV", 8, 28, 100, 10},
    {ControlKind::Edit, kNbv, "", 112, 26, 60, 12},
    {ControlKind::Static, -1, "Durchbruchspannung BV", 8, 46, 100, 10},
    {ControlKind::Edit, kBv, "", 112, 44, 60, 12},
};

constexpr ControlTemplate kDiodePage4Controls[] = {
    {ControlKind::Static, -1, "Sperrschichtkapazität CJ0", 8, 10, 110, 10},
    {ControlKind::Edit, kCj0, "", 122, 8, 56, 12},
    {ControlKind::Static, -1, "Minoritätsträgerlebensdauer TT", 8, 28, 110, 10},
    {ControlKind::Edit, kTt, "", 122, 26, 56, 12},
};

constexpr ControlTemplate kLibraryControls[] = {
    {ControlKind::Static, -1, "Elemente", 8, 6, 100, 10},
    {ControlKind::ListBox, kLibList, "", 8, 18, 110, 110},
    {ControlKind::Static, -1, "Name:", 126, 8, 30, 10},
    {ControlKind::Edit, kLibName, "", 158, 6, 90, 12},
    {ControlKind::GroupBox, -1, "Modelle", 126, 24, 122, 84},
    {ControlKind::RadioButton, kLibDiode, "Diode", 132, 36, 50, 10, kGroup},
    {ControlKind::Static, -1, "Bipolartransistoren", 132, 50, 110, 10},
    {ControlKind::RadioButton, kLibNpn, "NPN", 132, 62, 40, 10},
    {ControlKind::RadioButton, kLibPnp, "PNP", 180, 62, 40, 10},
    {ControlKind::Static, -1, "J-Fets", 132, 78, 110, 10},
    {ControlKind::RadioButton, kLibNjf, "n-Kanal", 132, 90, 44, 10},
    {ControlKind::RadioButton, kLibPjf, "p-Kanal", 180, 90, 44, 10},
    {ControlKind::PushButton, kLibAdd, "Add", 126, 114, 38, 14},
    {ControlKind::PushButton, kLibShow, "Show", 168, 114, 38, 14},
    {ControlKind::PushButton, kLibDel, "Del", 210, 114, 38, 14},
    {ControlKind::PushButton, kLibClipboard, "To Clipboard", 8, 134, 110, 14},
    {ControlKind::PushButton, 1, "OK", 126, 134, 58, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 190, 134, 58, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {kBipChooser, nullptr, "Bipolartransistor", 194, 106, kBipChooserControls},
    {kFetChooser, nullptr, "Feldeffekttransistor", 194, 106, kFetChooserControls},
    {kDiodeChooser, nullptr, "Dioden", 194, 106, kDiodeChooserControls},
    {kShow, nullptr, "Spice Modell", 280, 152, kShowControls},
    {kDiodePage1, nullptr, "Ideale Diode", 180, 100, kDiodePage1Controls},
    {kDiodePage2, nullptr, "Korrektur Diode", 180, 100, kDiodePage2Controls},
    {kDiodePage3, nullptr, "Durchbrucheffekt", 180, 100, kDiodePage3Controls},
    {kDiodePage4, nullptr, "Kapazitäten", 180, 100, kDiodePage4Controls},
    {kLibrary, nullptr, "Spice Library", 256, 154, kLibraryControls},
};

}  // namespace

std::span<const DialogTemplate> SpiceModelDialogs() { return kDialogs; }
