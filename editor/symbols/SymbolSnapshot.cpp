#include "editor/symbols/SymbolSnapshot.h"

#include <sstream>

#include "basics/VS_Error.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/archive.h"
#include "pf/dialog.h"

SymbolSnapshot::SymbolSnapshot(NetSymbol& symbol) : symbol(&symbol) {
  std::ostringstream out;
  pf::Archive ar(out);
  symbol.Serialize(ar);
  bytes = std::move(out).str();
}

void SymbolSnapshot::Restore() const {
  std::istringstream in(bytes);
  pf::Archive ar(in);
  try {
    symbol->Serialize(ar);
  } catch (const pf::ArchiveError& e) {
    VS_Error().Error(symbol->GetElementName() + ": Werte nicht wiederhergestellt: " + MyStrng(e.what()), 1);
  }
}

std::function<void()> KeptState(NetSymbol* symbol) {
  if (symbol == nullptr) return [] {};
  return [snapshot = SymbolSnapshot(*symbol)] { snapshot.Restore(); };
}

void KeepSymbolOnRefusal(pf::Dialog& dialog, NetSymbol& symbol) {
  dialog.KeepOnRefusal([&symbol] { return KeptState(&symbol); });
}
