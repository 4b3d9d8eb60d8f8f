#pragma once
// The network of a "BLK" block that holds an element only the operating-point solver can
// handle (the PN diode). The reader constructs it from the block's frame, calls Allocate, and
// StartDcSweep when a run starts; the operating-point solver fills these in.

#include "simulator/UsrNetBasis.h"

class NonLinearUsrNet : public UsrNetBasis {
 public:
  // A copy of the frame; the caller clears the frame's ownership of the elements.
  explicit NonLinearUsrNet(const UsrNetBasis& frame);

  void Allocate();
  // 0 when no element is a "DcGeneratorElement" (nothing to sweep), else 1.
  int StartDcSweep();
};
