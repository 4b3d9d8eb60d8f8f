#include "simulator/UsrDefNet.h"

#include "simulator/PortMatrix.h"

UsrDefNet::UsrDefNet(const UsrNetBasis& frame, SweepFreq* netSweep)
    : NetElement(frame.name, frame.portCount), portDefinition(frame.portDefinition),
      sweep(netSweep) {
  name = frame.name;
  typeName = "UsrDefNet";
  for (int k = 0; k < kMaxPorts; ++k) netPorts[k] = frame.ports[k];
  for (int node : frame.nodeList.Values()) nodeLabels.Append(node);
  for (NetElement* element : frame.elements.Values()) elements.Append(element);
}

UsrDefNet::~UsrDefNet() {
  for (NetElement* element : elements.Values()) delete element;
}

void UsrDefNet::SetUp() {
  nodeCount = nodeLabels.GetCount();
  AllocatePortMatrix();
}

void UsrDefNet::AllocateResults() {}

void UsrDefNet::FillMatrix(float frequency) {
  for (NetElement* element : elements.Values()) {
    if (!element->SkipsFillMatrix()) element->FillMatrix(frequency);
  }
}

NetElement* UsrDefNet::FindElement(const MyStrng& elementName) const {
  for (NetElement* element : elements.Values()) {
    if (element->GetName() == elementName) return element;
  }
  return nullptr;
}

UsrDefEinTor::UsrDefEinTor(UsrDefNet* usrNet, const NetLine& line) : EinTor(line), net(usrNet) {
  typeName = "UsrDefEinTor";
}

void UsrDefEinTor::FillMatrix(float) {
  portMatrix->SetAt(net->GetPortMatrix()->GetAt(1, 1), 1, 1);
}

UsrDefZweiTor::UsrDefZweiTor(UsrDefNet* usrNet, const NetLine& line)
    : ZweiTor(line), net(usrNet) {
  typeName = "UsrDefZweiTor";
}

void UsrDefZweiTor::FillMatrix(float) {
  const PortMatrix& result = *net->GetPortMatrix();
  for (int i = 1; i <= 2; ++i) {
    for (int j = 1; j <= 2; ++j) portMatrix->SetAt(result.GetAt(i, j), i, j);
  }
}
