#include "diagrams/DiagramKinds.h"

#include <algorithm>

#include "diagrams/CircleDiag.h"
#include "diagrams/Logo.h"
#include "diagrams/RecPlanDiag.h"
#include "diagrams/RectFreqDiag.h"
#include "diagrams/RectTimeDiag.h"
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

const DiagramKind* DiagramKinds::FindOrDefault(int code) const {
  const DiagramKind* k = Find(code);
  return k != nullptr ? k : Find(0);
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

void RegisterRectDiagrams() {
  DiagramKinds& kinds = DiagramKinds::Global();
  kinds.Register<LogMagDiag>(0, "LogMagDiag");
  kinds.Register<LinMagDiag>(1, "LinMagDiag");
  kinds.Register<PhaseDiag>(2, "PhaseDiag");
  kinds.Register<RecPlanDiag>(5, "RecPlanDiag");
  kinds.Register<LinRealDiag>(7, "LinRealDiag");
  kinds.Register<LinImagDiag>(8, "LinImagDiag");
  kinds.Register<SpecLogMag>(11, "SpecLogMag");
  kinds.Register<LinTimeDiag>(12, "LinTimeDiag");
  kinds.Register<PlotPlaneDiag>(13, "PlotPlaneDiag");
}
