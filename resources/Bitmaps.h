#pragma once
// The program's bitmaps, looked up by their resource number.

#include "pf/bitmap.h"

// An empty bitmap for a number that names none.
pf::Bitmap LoadBitmapResource(int id);
