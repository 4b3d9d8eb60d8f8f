#include "simulator/UsrNetBasis.h"

std::vector<int> NodeList::Values() const {
  std::vector<int> values;
  ForEach([&](int node) { values.push_back(node); });
  return values;
}

int NodeList::IndexOf(int node) const {
  int index = -1;
  int i = 0;
  ForEach([&](int value) {
    if (index < 0 && value == node) index = i;
    ++i;
  });
  return index;
}

std::vector<NetElement*> ElementList::Values() const {
  std::vector<NetElement*> values;
  ForEach([&](NetElement* element) { values.push_back(element); });
  return values;
}

UsrNetBasis::UsrNetBasis(const UsrNetBasis& other)
    : nodeCount(other.nodeCount),
      elementCount(other.elementCount),
      portCount(other.portCount),
      name(other.name),
      portDefinition(other.portDefinition),
      definitionNodes(other.definitionNodes) {
  for (int k = 0; k < kMaxPorts; ++k) ports[k] = other.ports[k];
  for (int node : other.nodeList.Values()) nodeList.Append(node);
  for (NetElement* element : other.elements.Values()) elements.Append(element);
}

UsrNetBasis::~UsrNetBasis() {
  if (!ownsElements) return;
  for (NetElement* element : elements.Values()) delete element;
}

bool UsrNetBasis::AllLinear() const {
  for (NetElement* element : elements.Values()) {
    if (!element->IsLinear()) return false;
  }
  return true;
}

bool UsrNetBasis::HasElementType(const char* typeName) const {
  for (NetElement* element : elements.Values()) {
    if (element->GetTypeName() == typeName) return true;
  }
  return false;
}
