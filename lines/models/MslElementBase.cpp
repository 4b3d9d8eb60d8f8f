#include "lines/models/MslElementBase.h"

#include "lines/models/Substrat.h"
#include "lines/models/SubstrateLink.h"

bool MslElementBase::CheckWidth(float metres, VS_Error& element) {
  if (metres > 0.0f) return true;
  element.Error("Streifenbreite muß größer 0 sein", 4);
  return false;
}

bool MslElementBase::BindSubstrate(const MyStrng& line, VS_Error& element,
                                   const char* missingMessage) {
  substrate = SubstrateLink::Find(line);
  sub = substrate != nullptr ? substrate->GetData() : nullptr;
  if (sub == nullptr) {
    element.Error(missingMessage, 4);
    return false;
  }
  if (!(sub->H > 0.0) || !(sub->ER >= 1.0)) {
    element.Error("Substrat: H muß größer 0 und ER mindestens 1 sein", 4);
    substrate = nullptr;
    sub = nullptr;
    return false;
  }
  return true;
}
