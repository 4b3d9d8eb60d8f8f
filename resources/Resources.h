#pragma once
// The program's resource tables, one file per subsystem, registered with the platform's
// registries at program start and in each test main.

#include <span>

#include "pf/dialog_template.h"
#include "pf/resource.h"

// Dialog templates of the basic types (the error window).
std::span<const pf::DialogTemplate> BasicsDialogs();
// Dialog templates of the diagrams (the PiCTeX export).
std::span<const pf::DialogTemplate> DiagramDialogs();
// Dialog templates of the editor's frame (the About box, the busy window).
std::span<const pf::DialogTemplate> EditorDialogs();

// The frame's menus, accelerators, string table, pictures and toolbars.
struct FrameResources {
  std::span<const pf::MenuTemplate> menus;
  std::span<const pf::AcceleratorTemplate> accelerators;
  std::span<const pf::StringTemplate> strings;
  std::span<const pf::PixelMapTemplate> pictures;
  std::span<const pf::ToolBarTemplate> toolBars;
};
FrameResources GetFrameResources();

// Dialog templates of the lumped and semiconductor elements.
std::span<const pf::DialogTemplate> ElementDialogs();
// The instrument windows.
std::span<const pf::DialogTemplate> InstrumentDialogs();
// The multimeter and the signal and DC generators.
std::span<const pf::DialogTemplate> MeterDialogs();

// Dialog templates of the SPICE-model symbols, the diode and the model library.
std::span<const pf::DialogTemplate> SpiceModelDialogs();
// Dialog templates of the TEM, coaxial and microstrip lines and of the substrate.
std::span<const pf::DialogTemplate> LineDialogs();
std::span<const pf::DialogTemplate> SlotDialogs();
// Dialog templates of the dimensioning calculators.
std::span<const pf::DialogTemplate> CalculatorDialogs();
// Dialog templates of the SPICE analyses.
std::span<const pf::DialogTemplate> SpiceDialogs();

// The audio source, the data generator and the pulse generator.
std::span<const pf::DialogTemplate> SourceDialogs();
// The oscilloscope, spectrum analyser, plotter and speaker.
std::span<const pf::DialogTemplate> ScopeDialogs();

// Dialog templates of the filter synthesis.
std::span<const pf::DialogTemplate> SynthesisDialogs();

// Every dialog table above, in the order they are registered.
std::span<const std::span<const pf::DialogTemplate>> DialogTables();
// Registers every table; safe to call more than once.
void RegisterResources();
