#pragma once
// The record that the netlist reader fills for one "BLK" block before a network is made from
// it: name, port definition, ports, the nodes and the elements in line order.

#include <memory>
#include <unordered_map>
#include <vector>

#include "basics/List.h"
#include "simulator/NetElement.h"
#include "simulator/NetLine.h"

// Node numbers, each once, in the order they were met; a node's row is its position. Indexed
// once it grows beyond a few nodes, so that large networks are read in linear time and the
// many small ones stay small.
class NodeList : public UniqueList<int> {
 public:
  NodeList() = default;
  NodeList(const NodeList&) = delete;
  NodeList& operator=(const NodeList&) = delete;

  using List<int>::ForEach;
  bool Find(const int& node) override;
  void InsertUnique(const int& node) override;
  void RemoveAll() override;
  std::vector<int> Values() const;
  // 0-based position of node, -1 when absent.
  int IndexOf(int node) const;

 private:
  static constexpr int32_t kIndexedFrom = 16;
  struct Place {
    Node* node;
    int position;
  };
  // The node and its position, by walking the list; null when absent.
  Node* Walk(int node, int& position) const;
  // Null while the list is small: every network object carries one.
  std::unique_ptr<std::unordered_map<int, Place>> index;
};

class ElementList : public List<NetElement*> {
 public:
  using List<NetElement*>::ForEach;
  std::vector<NetElement*> Values() const;
};

class UsrNetBasis {
 public:
  static constexpr int kMaxPorts = 4;

  UsrNetBasis() = default;
  // Copies name, definition, nodes, ports, the node list and the element pointers (not the
  // elements); the copy owns its elements like a new frame.
  UsrNetBasis(const UsrNetBasis& other);
  UsrNetBasis& operator=(const UsrNetBasis&) = delete;
  // Deletes the elements while it owns them.
  virtual ~UsrNetBasis();

  bool AllLinear() const;

  int nodeCount = 0;
  int elementCount = 0;
  int portCount = 0;
  NetLine name = "NoName";
  NetLine portDefinition = "NoPort";  // the definition's value: "1POR ..." or "2POR ..."
  std::vector<int> definitionNodes;   // the definition's node numbers as read
  Zweig ports[kMaxPorts];
  NodeList nodeList;
  ElementList elements;
  bool ownsElements = true;
};
