#pragma once
// The parameters of a SPICE .MODEL card as SPICE reads them: "KEY=VALUE" pairs on the model
// line and its '+' lines, with blanks allowed around '=' and blanks, commas or parentheses
// between pairs; keys in any case; a key given twice counts with its last value. Words that
// are not part of a pair (".MODEL", the name, the type) are passed over.

#include <string_view>

#include "basics/LineFile.h"

namespace spice_card {

// The number the card (its lines as SpiceLibrary::GetModelCard gives them) sets for the key:
// absent when it sets none, NaN when its text is no SPICE number. One pass, nothing kept but
// the pair being read.
double Parameter(const LineFile& card, std::string_view key, double absent);

// A SPICE number: a decimal with an optional exponent, then an optional scale factor (T, G,
// MEG, K, MIL, M, U, N, P, F in any case) and letters that SPICE ignores, such as a unit
// ("10fA", "1.5MEGohm"). NaN for any other text and for a number beyond double's range.
double Number(std::string_view text);

}  // namespace spice_card
