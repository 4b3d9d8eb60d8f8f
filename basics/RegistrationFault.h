#pragma once
// The registries (symbols by class key, elements by type, netlist keywords) are filled by the
// Register calls every program makes at its start. A registration a registry cannot keep, a
// second one under a taken name or one out of the registry's range, is a fault of the program:
// kept in silence, one of the two would never be used. It is reported on standard error with
// where each registration was made, and the program ends there, before it opens anything.

#include <string>
#include <typeinfo>

#include "basics/SourcePlace.h"

// "FILE:LINE" of the call that registered.
std::string RegisteredAt(const SourcePlace& where);
// The class's name as written in the source ("ResSymbol").
std::string ClassName(const std::type_info& type);
[[noreturn]] void RegistrationFault(const std::string& message);
