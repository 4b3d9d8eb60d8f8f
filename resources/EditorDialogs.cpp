// Dialog templates of the schematic editor's frame: the About box, the busy window and the
// choice of the SPICE program.

#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr ControlTemplate kAbout[] = {
    {ControlKind::Bitmap, -1, "100", 10, 10, 21, 20},
    {ControlKind::Static, -1, "Vostrane", 40, 10, 170, 8},
    {ControlKind::Static, -1, "Version 10.12.2007", 40, 22, 170, 8},
    {ControlKind::Static, -1, "Werkraum für Wellenleiterbauten", 40, 34, 170, 8},
    {ControlKind::Static, -1, "Kollegstiftung Morvaburg am Sund", 40, 46, 170, 8},
    {ControlKind::PushButton, 1, "OK", 170, 62, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
};

constexpr ControlTemplate kBusy[] = {
    {ControlKind::Progress, 1077, "", 10, 10, 160, 12},
};

constexpr ControlTemplate kSpiceDir[] = {
    {ControlKind::Static, -1, "Programm VosSpice.exe suchen", 10, 10, 200, 8},
    {ControlKind::Edit, 1206, "", 10, 22, 200, 14},
    {ControlKind::PushButton, 1207, "Durchsuchen...", 10, 42, 60, 14},
    {ControlKind::PushButton, 1, "OK", 106, 62, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 160, 62, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {100, nullptr, "Info über Vostrane", 230, 84, kAbout},
    {172, nullptr, "Geduld... Ich arbeite...", 180, 32, kBusy},
    {251, nullptr, "Simulator einstellen", 220, 84, kSpiceDir},
};

}  // namespace

std::span<const DialogTemplate> EditorDialogs() { return kDialogs; }
