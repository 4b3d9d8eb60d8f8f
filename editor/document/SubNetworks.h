#pragma once
// The networks that other files give the netlist being built, at every level of nesting. The
// reader keeps the first of two networks of one name, so a name stands for one file: one file,
// however its path is spelt or linked, is one network written once, and a second file that
// gives a name the netlist has (the circuit being built and those holding the file among them)
// is refused, naming both files.

#include <functional>
#include <string>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

class SubNetworks {
 public:
  enum class Entry {
    kNew,      // to be read; Complete follows
    kKnown,    // in the netlist already
    kHolding,  // a circuit that holds it: the file would use itself
    kRefused,  // another file gives the name (reported)
  };

  // Whether a netlist is being built; outside one nothing is entered.
  static bool Active();
  // The outermost netlist begins: its own network is the name, from the file (a circuit not
  // yet saved has none).
  static void Begin(const MyStrng& name, const std::string& file);
  // The file as the network of the name (the netlist form). A file met before keeps the name
  // it was first met by, which name then becomes.
  static Entry Enter(const std::string& file, MyStrng& name);
  // The lines of a new network, which follow the networks they use. False, reported, when they
  // define a network whose name another file gives.
  static bool Complete(const std::string& file, const LineFile& lines);
  // The lines of every network completed, in that order.
  static void ForEach(const std::function<void(const LineFile&)>& visit);
};

// Visits each network that a netlist text defines ("NAME: nPOR nodes..." in a BLK block), in
// its order, with its NAME and n.
void ForEachDefinition(const LineFile& text,
                       const std::function<void(const MyStrng& name, int ports)>& visit);
