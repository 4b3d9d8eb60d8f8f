// Dialog templates of the basic types.

#include "resources/BasicsIds.h"
#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kErrorMessage[] = {
    {ControlKind::Static, error_ids::kMessage, "Static", 28, 10, 129, 51},
    {ControlKind::PushButton, 1, "OK", 38, 74, 50, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 98, 74, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {error_ids::kTemplate, nullptr, "Error Message", 186, 95, kErrorMessage},
};

}  // namespace

std::span<const DialogTemplate> BasicsDialogs() { return kDialogs; }
