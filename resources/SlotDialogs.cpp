// Dialog templates of the slotline, coplanar and transition symbols.

#include "resources/Resources.h"
#include "resources/SlotDialogIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr unsigned kGroup = pf::kStyleGroup;
constexpr unsigned kDefault = pf::kStyleDefault;

// A label left of its edit or combo box (height 12 or 40 with its list), rows of 16 units.
#define VS_ROW(kind, height, label, id, row)                         \
  {ControlKind::Static, -1, label, 6, 9 + 16 * (row), 56, 10},      \
  {                                                                  \
    ControlKind::kind, id, "", 64, 7 + 16 * (row), 64, height        \
  }
#define VS_EDIT(label, id, row) VS_ROW(Edit, 12, label, id, row)
#define VS_COMBO(label, id, row) VS_ROW(ComboBox, 40, label, id, row)
#define VS_OK_CANCEL(y)                                                   \
  {ControlKind::PushButton, 1, "OK", 14, y, 50, 14, kDefault},            \
  {                                                                       \
    ControlKind::PushButton, 2, "Cancel", 86, y, 50, 14                   \
  }

constexpr ControlTemplate kSlotLine[] = {
    VS_EDIT("Width", slotline_ids::kW, 0),
    VS_EDIT("Length", slotline_ids::kP, 1),
    VS_COMBO("Substrat", slotline_ids::kSub, 2),
    {ControlKind::GroupBox, -1, "Model", 140, 4, 70, 50},
    {ControlKind::RadioButton, slotline_ids::kLine, "Line", 146, 16, 60, 10, kGroup},
    {ControlKind::RadioButton, slotline_ids::kShort, "Short", 146, 28, 60, 10},
    {ControlKind::RadioButton, slotline_ids::kOpen, "Open", 146, 40, 60, 10},
    {ControlKind::GroupBox, -1, "Poles", 140, 58, 70, 50},
    {ControlKind::RadioButton, slotline_ids::kOnePole, "One Pole", 146, 70, 60, 10, kGroup},
    {ControlKind::RadioButton, slotline_ids::kTwoPoles, "Two Poles", 146, 82, 60, 10},
    {ControlKind::RadioButton, slotline_ids::kThreePoles, "Three Poles", 146, 94, 60, 10},
    {ControlKind::GroupBox, -1, "Approximation", 6, 58, 122, 38},
    {ControlKind::RadioButton, slotline_ids::kCohn, "Cohn", 12, 70, 60, 10, kGroup},
    {ControlKind::RadioButton, slotline_ids::kApprox, "Approx", 12, 82, 60, 10},
    VS_OK_CANCEL(116),
};

constexpr ControlTemplate kSltBend[] = {
    VS_EDIT("Width", sltbend_ids::kW, 0),
    VS_EDIT("Length", sltbend_ids::kP, 1),
    VS_EDIT("Knicklänge", sltbend_ids::kKink, 2),
    VS_COMBO("Substrat", sltbend_ids::kSub, 3),
    {ControlKind::GroupBox, -1, "Model", 140, 4, 70, 38},
    {ControlKind::RadioButton, sltbend_ids::kLine, "Line", 146, 16, 60, 10, kGroup},
    {ControlKind::RadioButton, sltbend_ids::kShort, "Short", 146, 28, 60, 10},
    {ControlKind::GroupBox, -1, "Richtung", 140, 46, 70, 38},
    {ControlKind::RadioButton, sltbend_ids::kLeft, "nach Links", 146, 58, 60, 10, kGroup},
    {ControlKind::RadioButton, sltbend_ids::kRight, "nach Rechts", 146, 70, 60, 10},
    {ControlKind::GroupBox, -1, "Geometrie", 140, 88, 70, 38},
    {ControlKind::RadioButton, sltbend_ids::kArc, "Viertel Kreis", 146, 100, 60, 10, kGroup},
    {ControlKind::RadioButton, sltbend_ids::kKinked, "Knick", 146, 112, 60, 10},
    VS_OK_CANCEL(134),
};

constexpr ControlTemplate kCoplanarLine[] = {
    VS_EDIT("Weite w", coplanar_ids::kW, 0),
    VS_EDIT("Spalt s", coplanar_ids::kS, 1),
    VS_EDIT("Length", coplanar_ids::kP, 2),
    VS_COMBO("Substrat", coplanar_ids::kSub, 3),
    {ControlKind::GroupBox, -1, "Model", 140, 4, 70, 50},
    {ControlKind::RadioButton, coplanar_ids::kLine, "Line", 146, 16, 60, 10, kGroup},
    {ControlKind::RadioButton, coplanar_ids::kShort, "Short", 146, 28, 60, 10},
    {ControlKind::RadioButton, coplanar_ids::kOpen, "Open", 146, 40, 60, 10},
    VS_OK_CANCEL(96),
};

constexpr ControlTemplate kCoplanarCross[] = {
    VS_EDIT("Weite w", coplanarcross_ids::kW, 0),
    VS_EDIT("Spalt s", coplanarcross_ids::kS, 1),
    VS_COMBO("Substrat", coplanarcross_ids::kSub, 2),
    VS_OK_CANCEL(80),
};

constexpr ControlTemplate kCoveredSlotLine[] = {
    VS_EDIT("Width", coveredslot_ids::kW, 0),
    VS_EDIT("Length", coveredslot_ids::kP, 1),
    VS_COMBO("Unten", coveredslot_ids::kLower, 2),
    VS_COMBO("Oben", coveredslot_ids::kUpper, 3),
    {ControlKind::GroupBox, -1, "Leitungsart", 140, 4, 70, 38},
    {ControlKind::RadioButton, coveredslot_ids::kLine, "Line", 146, 16, 60, 10, kGroup},
    {ControlKind::RadioButton, coveredslot_ids::kShort, "Short", 146, 28, 60, 10},
    {ControlKind::GroupBox, -1, "Poles", 140, 46, 70, 50},
    {ControlKind::RadioButton, coveredslot_ids::kOnePole, "One Pole", 146, 58, 60, 10, kGroup},
    {ControlKind::RadioButton, coveredslot_ids::kTwoPoles, "Two Poles", 146, 70, 60, 10},
    {ControlKind::RadioButton, coveredslot_ids::kThreePoles, "Three Poles", 146, 82, 60, 10},
    VS_OK_CANCEL(104),
};

constexpr ControlTemplate kMslToSlot[] = {
    {ControlKind::GroupBox, -1, "Microstripline", 6, 4, 122, 30},
    {ControlKind::Static, -1, "Width", 12, 18, 40, 10},
    {ControlKind::Edit, msltoslot_ids::kM, "", 56, 16, 64, 12},
    {ControlKind::GroupBox, -1, "Slotline", 6, 38, 122, 30},
    {ControlKind::Static, -1, "Width", 12, 52, 40, 10},
    {ControlKind::Edit, msltoslot_ids::kS, "", 56, 50, 64, 12},
    {ControlKind::GroupBox, -1, "Model", 140, 4, 70, 38},
    {ControlKind::RadioButton, msltoslot_ids::kKnorr, "Knorr", 146, 16, 60, 10, kGroup},
    {ControlKind::RadioButton, msltoslot_ids::kDas, "Das", 146, 28, 60, 10},
    {ControlKind::Static, -1, "Substrat", 12, 76, 40, 10},
    {ControlKind::ComboBox, msltoslot_ids::kSub, "", 56, 74, 64, 40},
    VS_OK_CANCEL(96),
};

#undef VS_ROW
#undef VS_EDIT
#undef VS_COMBO
#undef VS_OK_CANCEL

constexpr DialogTemplate kDialogs[] = {
    {slotline_ids::kTemplate, nullptr, "Slotline", 216, 136, kSlotLine},
    {sltbend_ids::kTemplate, nullptr, "Slotline Bend", 216, 154, kSltBend},
    {coplanar_ids::kTemplate, nullptr, "Coplanarline", 216, 116, kCoplanarLine},
    {coplanarcross_ids::kTemplate, nullptr, "CoplanarCross", 150, 100, kCoplanarCross},
    {coveredslot_ids::kTemplate, nullptr, "Covered Slotline", 216, 124, kCoveredSlotLine},
    {msltoslot_ids::kTemplate, nullptr, "Msl To Slt Transition", 216, 116, kMslToSlot},
};

}  // namespace

std::span<const DialogTemplate> SlotDialogs() { return kDialogs; }
