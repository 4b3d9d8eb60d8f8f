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
    element.Error(SubstrateLink::Missing(missingMessage, line), 4);
    return false;
  }
  return true;
}
