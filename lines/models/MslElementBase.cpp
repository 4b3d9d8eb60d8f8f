#include "lines/models/MslElementBase.h"

#include "basics/FloatWert.h"
#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "lines/models/Substrat.h"
#include "simulator/NetContext.h"
#include "simulator/SymbolTable.h"

namespace {

// The text of the value behind the next '='; false when there is none or its label is unknown
// (the line has reported that).
bool NextValue(NetLine& line, const SymbolTable& labels, MyStrng& text) {
  const int32_t at = line.Find("=");
  if (at == 0) return false;
  line.DeleteLeft(at);
  line.TrimLeft();
  line.GetNextValue(text, labels);
  return text != SymbolTable::kNotFound;
}

}  // namespace

void MslElementBase::CheckSubstrateName(NetLine& check, const char* message) {
  MyStrng copy(check);
  if (NetContext::FindSymbolValue(copy.GetTrailingWord()) == SymbolTable::kNotFound) {
    check.Error(message, 4);
  }
}

bool MslElementBase::ReadLength(NetLine& line, const SymbolTable& labels, float& metres) {
  MyStrng text;
  if (!NextValue(line, labels, text)) return false;
  LaeWert value(text);
  if (!value.CheckSyntax()) return false;
  metres = value.Value();
  return true;
}

bool MslElementBase::ReadInteger(NetLine& line, const SymbolTable& labels, long& result) {
  MyStrng text;
  if (!NextValue(line, labels, text)) return false;
  IntegerWert value(text);
  if (!value.CheckSyntax()) return false;
  result = value.Value();
  return true;
}

bool MslElementBase::ReadNumber(NetLine& line, const SymbolTable& labels, double& result) {
  MyStrng text;
  if (!NextValue(line, labels, text)) return false;
  FloatWert value(text);
  if (!value.CheckSyntax()) return false;
  result = value.Value(false);
  return true;
}

bool MslElementBase::CheckWidth(float metres, VS_Error& element) {
  if (metres > 0.0f) return true;
  element.Error("Streifenbreite muß größer 0 sein", 4);
  return false;
}

bool MslElementBase::BindSubstrate(const MyStrng& line, VS_Error& element,
                                   const char* missingMessage) {
  MyStrng copy(line);
  substrate = dynamic_cast<Substrat*>(NetContext::FindDataObject(copy.GetTrailingWord()));
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
