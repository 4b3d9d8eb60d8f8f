#include "diagrams/DiagramKinds.h"

#include <algorithm>

#include "diagrams/CircleDiag.h"
#include "diagrams/Logo.h"
#include "diagrams/SmithDiag.h"

DiagramKinds& DiagramKinds::Global() {
  static DiagramKinds registry;
  return registry;
}

void DiagramKinds::Register(int code, const char* name, DiagramFactory create) {
  auto same = std::find_if(kinds.begin(), kinds.end(),
                           [code](const DiagramKind& k) { return k.code == code; });
  if (same != kinds.end()) {
    *same = {code, name, create};
  } else {
    kinds.push_back({code, name, create});
  }
}

const DiagramKind* DiagramKinds::Find(int code) const {
  auto k = std::find_if(kinds.begin(), kinds.end(),
                        [code](const DiagramKind& d) { return d.code == code; });
  return k != kinds.end() ? &*k : nullptr;
}

const DiagramKind* DiagramKinds::Find(std::string_view name) const {
  auto k = std::find_if(kinds.begin(), kinds.end(),
                        [name](const DiagramKind& d) { return name == d.name; });
  return k != kinds.end() ? &*k : nullptr;
}

void RegisterCircleDiagrams() {
  DiagramKinds& kinds = DiagramKinds::Global();
  kinds.Register<LogPolDiag>(3, "LogPolDiag");
  kinds.Register<LinPolDiag>(4, "LinPolDiag");
  kinds.Register<SmithDiag>(6, "SmithDiag");
  kinds.Register<Logo>(10, "Logo");
}
