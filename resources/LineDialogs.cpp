// Dialog templates of the TEM, coaxial and microstrip lines and of the substrate.

#include "resources/LineDialogIds.h"
#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr unsigned kGroup = pf::kStyleGroup;
constexpr unsigned kDefault = pf::kStyleDefault;

// A label left of its edit, one row of 16 units each.
#define VS_EDIT_ROW(label, id, row)                                      \
  {ControlKind::Static, -1, label, 6, 9 + 16 * (row), 70, 10},          \
  {                                                                      \
    ControlKind::Edit, id, "", 78, 7 + 16 * (row), 60, 12                \
  }
// The framework dialogs' buttons are English, the plain dialogs' (coax, bitmap tee and corner)
// German.
#define VS_BUTTON_TEXTS(y, ok, cancel)                                   \
  {ControlKind::PushButton, 1, ok, 14, y, 50, 14, kDefault},             \
  {                                                                      \
    ControlKind::PushButton, 2, cancel, 86, y, 50, 14                    \
  }
#define VS_BUTTONS(y) VS_BUTTON_TEXTS(y, "&OK", "&Cancel")
#define VS_GERMAN_BUTTONS(y) VS_BUTTON_TEXTS(y, "OK", "Abbrechen")

constexpr ControlTemplate kTem[] = {
    VS_EDIT_ROW("Wellenwiderstand", tem_ids::kZ, 0),
    VS_EDIT_ROW("Laenge", tem_ids::kP, 1),
    VS_EDIT_ROW("Eff. Epsr", tem_ids::kK, 2),
    VS_EDIT_ROW("Dämpfung in dB/m", tem_ids::kA, 3),
    {ControlKind::GroupBox, tem_ids::kKindGroup, "Art", 146, 4, 60, 50},
    {ControlKind::RadioButton, tem_ids::kLine, "Leitung", 152, 16, 50, 10, kGroup},
    {ControlKind::RadioButton, tem_ids::kShort, "Kurzschluß", 152, 28, 50, 10},
    {ControlKind::RadioButton, tem_ids::kOpen, "Leerlauf", 152, 40, 50, 10},
    {ControlKind::GroupBox, tem_ids::kPolesGroup, "Anschlüsse", 146, 58, 60, 38},
    {ControlKind::RadioButton, tem_ids::kOnePole, "Einpol", 152, 70, 50, 10, kGroup},
    {ControlKind::RadioButton, tem_ids::kTwoPole, "Zweipol", 152, 82, 50, 10},
    VS_BUTTONS(112),
};

constexpr ControlTemplate kSst[] = {
    VS_EDIT_ROW("Weite", strip_ids::kSstW, 0),
    VS_EDIT_ROW("Laenge", strip_ids::kSstP, 1),
    {ControlKind::Static, -1, "Substrat", 6, 41, 70, 10},
    {ControlKind::ComboBox, strip_ids::kSstSub, "", 78, 39, 90, 40},
    {ControlKind::CheckBox, strip_ids::kVariable, "Variabel", 6, 60, 60, 10},
    VS_BUTTONS(108),
};

constexpr ControlTemplate kOst[] = {
    VS_EDIT_ROW("Weite", strip_ids::kOstW, 0),
    VS_EDIT_ROW("Laenge", strip_ids::kOstP, 1),
    {ControlKind::Static, -1, "Substrat", 6, 41, 70, 10},
    {ControlKind::ComboBox, strip_ids::kOstSub, "", 78, 39, 80, 40},
    {ControlKind::CheckBox, strip_ids::kVariable, "Variabel", 6, 60, 60, 10},
    VS_BUTTONS(108),
};

constexpr ControlTemplate kTrl[] = {
    VS_EDIT_ROW("Weite", strip_ids::kTrlW, 0),
    VS_EDIT_ROW("Laenge", strip_ids::kTrlP, 1),
    {ControlKind::Static, -1, "Substrat", 6, 41, 70, 10},
    {ControlKind::ComboBox, strip_ids::kTrlSub, "", 78, 39, 66, 40},
    {ControlKind::CheckBox, strip_ids::kVariable, "Variabel", 6, 60, 60, 10},
    {ControlKind::PushButton, strip_ids::kModel, "Modell", 78, 58, 50, 14},
    VS_BUTTONS(108),
};

constexpr ControlTemplate kMicTaper[] = {
    VS_EDIT_ROW("Eingangsweite", taper_ids::kW1, 0),
    VS_EDIT_ROW("Ausgangsweite", taper_ids::kW2, 1),
    VS_EDIT_ROW("Taperlänge", taper_ids::kP, 2),
    {ControlKind::Static, -1, "Substrat", 6, 57, 70, 10},
    {ControlKind::ComboBox, taper_ids::kSub, "", 78, 55, 60, 40},
    {ControlKind::GroupBox, taper_ids::kShapeGroup, "Art", 150, 4, 80, 50},
    {ControlKind::RadioButton, taper_ids::kLinear, "Linear", 156, 16, 70, 10, kGroup},
    {ControlKind::RadioButton, taper_ids::kCosine, "Cos-förmig", 156, 28, 70, 10},
    {ControlKind::RadioButton, taper_ids::kExponential, "Exponential", 156, 40, 70, 10},
    VS_BUTTONS(90),
};

constexpr ControlTemplate kRadStub[] = {
    VS_EDIT_ROW("Öffnungswinkel", radstub_ids::kAngle, 0),
    VS_EDIT_ROW("Anschlußweite", radstub_ids::kFeed, 1),
    VS_EDIT_ROW("Radius", radstub_ids::kRadius, 2),
    {ControlKind::Static, -1, "Substrat", 6, 57, 70, 10},
    {ControlKind::ComboBox, radstub_ids::kSub, "", 78, 55, 80, 40},
    VS_BUTTONS(126),
};

constexpr ControlTemplate kTee[] = {
    VS_EDIT_ROW("Weite Eingang", tee_ids::kIn, 0),
    VS_EDIT_ROW("Weite Abzweig", tee_ids::kBranch, 1),
    {ControlKind::Static, -1, "Substrat", 6, 41, 70, 10},
    {ControlKind::ComboBox, tee_ids::kSub, "", 78, 39, 66, 40},
    VS_BUTTONS(108),
};

constexpr ControlTemplate kStep[] = {
    VS_EDIT_ROW("Weite Eingang", step_ids::kW1, 0),
    VS_EDIT_ROW("Weite Ausgang", step_ids::kW2, 1),
    {ControlKind::Static, -1, "Substrat", 6, 41, 70, 10},
    {ControlKind::ComboBox, step_ids::kSub, "", 78, 39, 60, 40},
    {ControlKind::GroupBox, step_ids::kModelGroup, "Modell", 146, 4, 44, 50},
    {ControlKind::RadioButton, step_ids::kSimple, "einfach", 150, 16, 38, 10, kGroup},
    {ControlKind::RadioButton, step_ids::kFull, "vollständig", 150, 28, 38, 10},
    {ControlKind::RadioButton, step_ids::kThird, "", 150, 40, 38, 10},
    VS_BUTTONS(108),
};

constexpr ControlTemplate kCpl[] = {
    VS_EDIT_ROW("Weite", cpl_ids::kW, 0),
    VS_EDIT_ROW("Laenge", cpl_ids::kP, 1),
    VS_EDIT_ROW("Spalt", cpl_ids::kS, 2),
    {ControlKind::Static, -1, "Substrat", 6, 57, 70, 10},
    {ControlKind::ComboBox, cpl_ids::kSub, "", 78, 55, 90, 40},
    VS_BUTTONS(110),
};

constexpr ControlTemplate kMicCorner[] = {
    VS_EDIT_ROW("Weite", corner_ids::kW, 0),
    {ControlKind::Static, -1, "Substrat", 6, 25, 70, 10},
    {ControlKind::ComboBox, corner_ids::kSub, "", 78, 23, 60, 40},
    {ControlKind::GroupBox, corner_ids::kFormGroup, "Art", 108, 44, 82, 50},
    {ControlKind::RadioButton, corner_ids::kNone, "ohne Schräge", 112, 56, 76, 10, kGroup},
    {ControlKind::RadioButton, corner_ids::kChamfer, "mit Schräge", 112, 68, 76, 10},
    {ControlKind::RadioButton, corner_ids::kOptimal, "optimierte Schräge", 112, 80, 76, 10},
    VS_BUTTONS(108),
};

constexpr ControlTemplate kKoax[] = {
    VS_EDIT_ROW("D", koax_ids::kOuter, 0),
    VS_EDIT_ROW("d", koax_ids::kInner, 1),
    VS_EDIT_ROW("Länge", koax_ids::kLength, 2),
    {ControlKind::GroupBox, -1, "Art", 146, 4, 70, 50},
    {ControlKind::RadioButton, koax_ids::kLine, "Leitung", 152, 16, 60, 10, kGroup},
    {ControlKind::RadioButton, koax_ids::kShort, "Kurzschluß", 152, 28, 60, 10},
    {ControlKind::RadioButton, koax_ids::kOpen, "Leerlauf", 152, 40, 60, 10},
    {ControlKind::GroupBox, -1, "Dielektrikum", 4, 54, 138, 40},
    {ControlKind::Static, -1, "eps_r", 10, 66, 40, 10},
    {ControlKind::Edit, koax_ids::kEr, "", 78, 64, 60, 12},
    {ControlKind::Static, -1, "tanD", 10, 80, 40, 10},
    {ControlKind::Edit, koax_ids::kTanD, "", 78, 78, 60, 12},
    {ControlKind::GroupBox, -1, "Metallisierung", 146, 58, 70, 50},
    {ControlKind::RadioButton, koax_ids::kSilver, "Silber", 152, 70, 60, 10, kGroup},
    {ControlKind::RadioButton, koax_ids::kCopper, "Kupfer", 152, 82, 60, 10},
    {ControlKind::RadioButton, koax_ids::kGold, "Gold", 152, 94, 60, 10},
    {ControlKind::CheckBox, koax_ids::kFoil, "Metallfolie", 6, 100, 60, 10},
    {ControlKind::Static, -1, "Dicke", 6, 116, 70, 10},
    {ControlKind::Edit, koax_ids::kThickness, "", 78, 114, 60, 12},
    {ControlKind::Static, -1, "Leitfähigkeit", 6, 132, 70, 10},
    {ControlKind::Edit, koax_ids::kConductivity, "", 78, 130, 60, 12},
    VS_GERMAN_BUTTONS(152),
};

constexpr ControlTemplate kMslTee[] = {
    VS_EDIT_ROW("Weite Durchgang", msltee_ids::kThrough, 0),
    VS_EDIT_ROW("Weite Abzweig", msltee_ids::kBranch, 1),
    {ControlKind::GroupBox, -1, "Richtung", 146, 4, 64, 38},
    {ControlKind::RadioButton, msltee_ids::kRight, "nach Rechts", 150, 16, 58, 10, kGroup},
    {ControlKind::RadioButton, msltee_ids::kLeft, "nach Links", 150, 28, 58, 10},
    {ControlKind::Static, -1, "Substrat", 6, 41, 70, 10},
    {ControlKind::ComboBox, msltee_ids::kSub, "", 78, 39, 60, 40},
    VS_GERMAN_BUTTONS(108),
};

constexpr ControlTemplate kMslCorner[] = {
    VS_EDIT_ROW("Weite", mslcorner_ids::kW, 0),
    {ControlKind::GroupBox, -1, "Modell", 146, 4, 64, 38},
    {ControlKind::RadioButton, mslcorner_ids::kSquare, "Rechteck", 150, 16, 58, 10, kGroup},
    {ControlKind::RadioButton, mslcorner_ids::kMitred, "Dreieck", 150, 28, 58, 10},
    {ControlKind::GroupBox, -1, "Richtung", 146, 46, 64, 38},
    {ControlKind::RadioButton, mslcorner_ids::kLeft, "nach Links", 150, 58, 58, 10, kGroup},
    {ControlKind::RadioButton, mslcorner_ids::kRight, "nach Rechts", 150, 70, 58, 10},
    {ControlKind::Static, -1, "Substrat", 6, 25, 70, 10},
    {ControlKind::ComboBox, mslcorner_ids::kSub, "", 78, 23, 60, 40},
    VS_GERMAN_BUTTONS(108),
};

constexpr ControlTemplate kSubstrate[] = {
    VS_EDIT_ROW("Name:", substrate_ids::kName, 0),
    VS_EDIT_ROW("Epsilon_r:", substrate_ids::kEr, 1),
    VS_EDIT_ROW("Verlustfaktor:", substrate_ids::kTanD, 2),
    VS_EDIT_ROW("Höhe", substrate_ids::kHeight, 3),
    // Two lines: the label reaches below its row, the edit stands beside the pair.
    {ControlKind::Static, -1, "Metallisierungs\ndicke", 6, 73, 70, 20},
    {ControlKind::Edit, substrate_ids::kMetal, "", 78, 75, 60, 12},
    {ControlKind::GroupBox, -1, "Ausdehnung", 146, 4, 84, 40},
    {ControlKind::Static, -1, "X:", 152, 16, 12, 10},
    {ControlKind::Edit, substrate_ids::kX, "", 166, 14, 60, 12},
    {ControlKind::Static, -1, "Y:", 152, 30, 12, 10},
    {ControlKind::Edit, substrate_ids::kY, "", 166, 28, 60, 12},
    {ControlKind::GroupBox, -1, "Metallisierung", 146, 48, 84, 38},
    {ControlKind::RadioButton, substrate_ids::kGold, "Gold", 152, 60, 60, 10, kGroup},
    {ControlKind::RadioButton, substrate_ids::kCopper, "Kupfer", 152, 72, 60, 10},
    VS_BUTTONS(100),
};

#undef VS_EDIT_ROW
#undef VS_BUTTONS
#undef VS_GERMAN_BUTTONS
#undef VS_BUTTON_TEXTS

constexpr DialogTemplate kDialogs[] = {
    {0, "TEMDIALG", "TEM-Leitung", 212, 135, kTem},
    {0, "SSTDIALG", "Kurzgeschlossene Mikrostreifenleitung", 181, 134, kSst},
    {0, "OSTDIALG", "Offene Mikrostreifenleitung", 164, 130, kOst},
    {0, "TRLDIALG", "Mikrostreifenleitung", 150, 130, kTrl},
    {0, "MICTAPERDIALG", "Mic-Taper", 235, 110, kMicTaper},
    {0, "RADSTDIALG", "Radial Stub", 175, 148, kRadStub},
    {0, "TEEDIALG", "Symmetrische T-Verzweigung", 150, 130, kTee},
    {0, "STEDIALG", "Streifenleitungssprung", 194, 130, kStep},
    {0, "CPLDIALG", "Gekoppelte Mikrostreifenleitung", 180, 132, kCpl},
    {0, "MICCORNERDIALG", "Streifenleitungsecke", 194, 130, kMicCorner},
    {koax_ids::kTemplate, nullptr, "Koaxialleitung", 222, 172, kKoax},
    {msltee_ids::kTemplate, nullptr, "T-Verzweigung", 214, 130, kMslTee},
    {mslcorner_ids::kTemplate, nullptr, "Mikrostreifenleitungsecke", 214, 130, kMslCorner},
    {substrate_ids::kTemplate, nullptr, "Substrat", 236, 120, kSubstrate},
};

}  // namespace

std::span<const DialogTemplate> LineDialogs() { return kDialogs; }
