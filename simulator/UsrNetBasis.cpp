#include "simulator/UsrNetBasis.h"

std::vector<int> NodeList::Values() const {
  std::vector<int> values;
  ForEach([&](int node) { values.push_back(node); });
  return values;
}

NodeList::Node* NodeList::Walk(int node, int& position) const {
  Node* at = tail != nullptr ? tail->next : nullptr;
  for (position = 0; position < count; ++position, at = at->next) {
    if (at->value == node) return at;
  }
  return nullptr;
}

bool NodeList::Find(const int& node) {
  Node* hit = nullptr;
  if (index == nullptr) {
    int position = 0;
    hit = Walk(node, position);
  } else if (const auto place = index->find(node); place != index->end()) {
    hit = place->second.node;
  }
  if (hit == nullptr) return false;
  cursor = hit;
  return true;
}

void NodeList::InsertUnique(const int& node) {
  if (Find(node)) return;
  List<int>::Append(node);
  if (index != nullptr) {
    index->emplace(node, Place{tail, GetCount() - 1});
  } else if (GetCount() >= kIndexedFrom) {
    index = std::make_unique<std::unordered_map<int, Place>>();
    Node* at = tail->next;
    for (int position = 0; position < count; ++position, at = at->next) {
      index->emplace(at->value, Place{at, position});
    }
  }
}

void NodeList::RemoveAll() {
  List<int>::RemoveAll();
  index.reset();
}

int NodeList::IndexOf(int node) const {
  if (index == nullptr) {
    int position = 0;
    return Walk(node, position) != nullptr ? position : -1;
  }
  const auto hit = index->find(node);
  return hit == index->end() ? -1 : hit->second.position;
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
