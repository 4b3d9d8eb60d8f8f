#pragma once
// The program's resource tables, one file per subsystem, registered with the platform's
// registries at program start and in each test main.

#include <span>

#include "pf/dialog_template.h"

// Dialog templates of the basic types (the error window).
std::span<const pf::DialogTemplate> BasicsDialogs();
// Dialog templates of the diagrams (the PiCTeX export).
std::span<const pf::DialogTemplate> DiagramDialogs();

// Dialog templates of the lumped and semiconductor elements.
std::span<const pf::DialogTemplate> ElementDialogs();

// Registers every table; safe to call more than once.
void RegisterResources();
