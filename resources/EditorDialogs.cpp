// Dialog templates of the schematic editor's frame: the About box, the busy window and the
// choice of the SPICE program, the photoplot export's board and start point.

#include "resources/EditorIds.h"
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
    {ControlKind::Progress, busy_ids::kProgress, "", 10, 10, 160, 12},
};

constexpr ControlTemplate kSpiceDir[] = {
    {ControlKind::Static, -1, "Programm VosSpice.exe suchen", 10, 10, 200, 8},
    {ControlKind::Edit, spicedir_ids::kPath, "", 10, 22, 200, 14},
    {ControlKind::PushButton, spicedir_ids::kBrowse, "Durchsuchen...", 10, 42, 60, 14},
    {ControlKind::PushButton, 1, "OK", 106, 62, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 160, 62, 50, 14},
};

constexpr ControlTemplate kGerberPlot[] = {
    {ControlKind::Static, -1, "Substratmaße:", 10, 10, 60, 8},
    {ControlKind::Static, -1, "X:", 10, 24, 12, 8},
    {ControlKind::Edit, gerber_ids::kSizeX, "", 24, 22, 60, 12},
    {ControlKind::Static, -1, "Y:", 92, 24, 12, 8},
    {ControlKind::Edit, gerber_ids::kSizeY, "", 106, 22, 60, 12},
    {ControlKind::Static, -1, "Startpunkt:", 10, 42, 60, 8},
    {ControlKind::Static, -1, "X:", 10, 56, 12, 8},
    {ControlKind::Edit, gerber_ids::kStartX, "", 24, 54, 60, 12},
    {ControlKind::Static, -1, "Y:", 92, 56, 12, 8},
    {ControlKind::Edit, gerber_ids::kStartY, "", 106, 54, 60, 12},
    {ControlKind::CheckBox, gerber_ids::kArea, "mit Substratfläche", 10, 74, 100, 10},
    {ControlKind::PushButton, 1, "OK", 62, 92, 50, 14, pf::kStyleDefault | pf::kStyleGroup},
    {ControlKind::PushButton, 2, "Abbrechen", 116, 92, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {gerber_ids::kTemplate, nullptr, "Plot im Gerberformat erstellen", 176, 112, kGerberPlot},
    {about_ids::kTemplate, nullptr, "Info über Vostrane", 230, 84, kAbout},
    {busy_ids::kTemplate, nullptr, "Geduld... Ich arbeite...", 180, 32, kBusy},
    {spicedir_ids::kTemplate, nullptr, "Simulator einstellen", 220, 84, kSpiceDir},
};

}  // namespace

std::span<const DialogTemplate> EditorDialogs() { return kDialogs; }
