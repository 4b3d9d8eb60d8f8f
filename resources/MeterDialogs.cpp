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

constexpr DialogTemplate kDialogs[] = {
    {144, nullptr, "Multimeter", 106, 80, kMultiMeter},
};

}  // namespace

std::span<const pf::DialogTemplate> MeterDialogs() { return kDialogs; }
