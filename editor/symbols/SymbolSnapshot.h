#pragma once
// A symbol's state as its circuit file holds it, to set the symbol back as it was: what a
// dialog keeps for an OK that one of its fields refuses.

#include <functional>
#include <string>

namespace pf {
class Dialog;
}

class NetSymbol;

class SymbolSnapshot {
 public:
  explicit SymbolSnapshot(NetSymbol& symbol);
  // The symbol as it was taken; a record it cannot load back is reported, naming the symbol.
  void Restore() const;
  const std::string& Bytes() const { return bytes; }

 private:
  NetSymbol* symbol;
  std::string bytes;
};

// What sets the symbol back as it is now; nothing for none.
std::function<void()> KeptState(NetSymbol* symbol);

// The dialog sets the symbol back when an OK leaves it open (or a property sheet ends without
// OK).
void KeepSymbolOnRefusal(pf::Dialog& dialog, NetSymbol& symbol);
