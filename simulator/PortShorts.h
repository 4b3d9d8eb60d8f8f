#pragma once
// The shorts that join the two ports of a network to each other or to ground, and the
// admittance matrix of the network without them. With such a short the network's own
// admittance matrix holds the short's guard conductance, beside which the admittances at its
// ports are lost in rounding; the S parameters therefore come from the network terminated in
// its reference resistances, which is finite and regular whatever is shorted.

#include "simulator/PortMatrix.h"

class PortShorts {
 public:
  // Terminals: 0 ground, 1 and 2 the nodes of ports 1 and 2.
  static constexpr int kGround = 0;

  void Clear();
  // A short between two terminals.
  void Join(int a, int b);
  bool Any() const { return any; }

  // The two-port admittance matrix of the network without the shorts between its terminals.
  PortMatrix rest{2};

  // With the reference resistances of ports 1 and 2 in ohms.
  PortMatrix ConvertToS(float z01, float z02) const;

 private:
  int Group(int terminal) const;

  int parent[3] = {0, 1, 2};
  bool any = false;
};
