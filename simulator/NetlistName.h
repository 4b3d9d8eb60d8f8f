#pragma once
// Names that a netlist takes from a file name (a network's name, a SPICE title): the reader
// takes ASCII letters, digits and '_' in a name, so every other character becomes '_', and no
// file name can break a netlist line or add one.

#include <string_view>

#include "basics/MyStrng.h"

// Each character other than an ASCII letter, digit, '_' or '.' as '_'; a character of several
// UTF-8 bytes ("ß") gives one '_'. The dots stay: they part a file's name from its extension.
MyStrng NetlistName(std::string_view fileName);

// The name of the network in a document of that title: the title up to its first '.', as a
// netlist name ("Tiefpaß 2.vqe" gives "Tiefpa__2"), with an 'N' in front when it would not start
// with a letter or would be an element's keyword ("Übertrager.vqe" gives "N_bertrager").
MyStrng NetworkName(std::string_view title);
