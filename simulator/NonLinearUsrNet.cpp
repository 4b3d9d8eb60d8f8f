#include "simulator/NonLinearUsrNet.h"

NonLinearUsrNet::NonLinearUsrNet(const UsrNetBasis& frame) : UsrNetBasis(frame) {}

void NonLinearUsrNet::Allocate() {
  nodeCount = nodeList.GetCount();
  elementCount = elements.GetCount();
}

int NonLinearUsrNet::StartDcSweep() { return HasElementType("DcGeneratorElement") ? 1 : 0; }
