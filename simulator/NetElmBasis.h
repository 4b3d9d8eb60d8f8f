#pragma once
// Common base of the network elements and of the named data objects of a netlist: both report
// on themselves through the error base and carry an error code (0 = no error).

#include "basics/VS_Error.h"

class NetElmBasis : public VS_Error {
 public:
  NetElmBasis() = default;
  NetElmBasis(const NetElmBasis&) = delete;
  NetElmBasis& operator=(const NetElmBasis&) = delete;
  ~NetElmBasis() override = default;
};
