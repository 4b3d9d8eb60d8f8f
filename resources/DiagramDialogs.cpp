// Dialog templates of the diagrams.

#include "resources/Resources.h"
#include "resources/ScreenIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kPicTex[] = {
    {ControlKind::Static, -1, "Diagrammbreite ", 10, 12, 56, 10},
    {ControlKind::Edit, pictex_ids::kWidth, "", 68, 10, 40, 13},
    {ControlKind::Static, -1, "mm", 112, 12, 14, 10},
    {ControlKind::GroupBox, -1, "Schriftgröße", 10, 32, 110, 70},
    {ControlKind::RadioButton, pictex_ids::kFirstSize, "Tiny", 18, 44, 90, 10, pf::kStyleGroup},
    {ControlKind::RadioButton, 1168, "Scriptsize", 18, 55, 90, 10},
    {ControlKind::RadioButton, 1169, "Footnote", 18, 66, 90, 10},
    {ControlKind::RadioButton, 1170, "Normal", 18, 77, 90, 10},
    {ControlKind::RadioButton, pictex_ids::kLastSize, "Large", 18, 88, 90, 10},
    {ControlKind::PushButton, 1, "OK", 128, 10, 45, 14, pf::kStyleDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 128, 28, 45, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {pictex_ids::kTemplate, nullptr, "Diagramm als PicTex-File speichern", 180, 110, kPicTex},
};

}  // namespace

std::span<const DialogTemplate> DiagramDialogs() { return kDialogs; }
