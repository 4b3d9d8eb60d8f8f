#pragma once
// The program's bitmaps, looked up by their resource number, and its window icons by name.

#include <string_view>

#include "pf/bitmap.h"

// An empty bitmap for a number that names none.
pf::Bitmap LoadBitmapResource(int id);
// An empty bitmap for a name that names no icon ("ANALYZER": the network analyser's window).
pf::Bitmap LoadIconResource(std::string_view name);
