#pragma once
// The circuit's SPICE model library is carried by a symbol of a library above the editor; the
// document reaches its text through this interface (dynamic_cast, as the other roles).

#include "formats/SpiceLibrary.h"

class SpiceLibraryRole {
 public:
  virtual ~SpiceLibraryRole() = default;
  virtual const SpiceLibrary& GetLibrary() const = 0;
};
