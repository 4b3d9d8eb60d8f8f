#include "editor/symbols/FetSymbol.h"

#include "basics/WertMitDim.h"
#include "editor/symbols/Glyphs.h"
#include "pf/archive.h"

PF_IMPLEMENT_SERIAL(FetSymbol, DreiPolSymbol, 1)

const std::array<TransistorOptionKey, FetSymbol::kOptionCount> FetSymbol::kOptionKeys = {{
    {" F=", ValueText<FreqWert>},  {" T=", ValueText<TimWert>},    {" GGS=", ValueText<LeiWert>},
    {" RDG=", ValueText<ResWert>}, {" CDG=", ValueText<CapWert>},  {" CDC=", ValueText<CapWert>},
    {" CDS=", ValueText<CapWert>}, {" GDS=", ValueText<LeiWert>},  {" RI=", ValueText<ResWert>},
    {" RG=", ValueText<ResWert>},  {" RD=", ValueText<ResWert>},   {" RS=", ValueText<ResWert>},
    {" CGE=", ValueText<CapWert>}, {" CDE=", ValueText<CapWert>},  {" LG=", ValueText<IndWert>},
    {" LD=", ValueText<IndWert>},  {" LS=", ValueText<IndWert>},   {" CGDE=", ValueText<CapWert>},
}};

FetSymbol::FetSymbol() : FetSymbol(Point(0, 100), Point(100, 100)) {}

FetSymbol::FetSymbol(const Point& start, const Point& end)
    : TransistorSymbol(start, end, kClassKey, kVersion, "MesFet", DrawFetGlyph) {}

void FetSymbol::Serialize(pf::Archive& ar) {
  NetSymbol::Serialize(ar);
  if (ar.IsStoring()) {
    if (version < 2) return;
    typeName.Serialize(ar);
    std::array<float, 2> required = Required();
    SerializeParameters(ar, required, options);
    return;
  }
  if (version < 1 || version > kVersion) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "transistor version");
  }
  if (version >= 2) {
    typeName.Serialize(ar);
    std::array<float, 2> required{};
    SerializeParameters(ar, required, options);
    transconductance = required[0];
    gateSourceCapacitance = required[1];
  }
  version = kVersion;  // the next save keeps the parameters
}

void FetSymbol::WriteNetLine() {
  netLine = "";
  if (!CheckFinite(elementName, {transconductance, gateSourceCapacitance}, options)) return;
  netLine = "FET";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" G=") + ValueText<LeiWert>(transconductance) + " CGS=" +
             ValueText<CapWert>(gateSourceCapacitance);
  AppendOptions(kOptionKeys);
}

// Own part of the text record, behind the line of key and version and the type name line:
//   transconductance, gate-source capacitance, then the 18 option values in the order of
//   kOptionKeys (20 floats, comma-separated, one line);
//   the 18 option enable flags in the same order (ints, comma-separated, one line).
std::ostream& FetSymbol::WriteText(std::ostream& os) {
  WriteRecordHead(os, classKey, kVersion, typeName);
  WriteParameters(os, Required(), options);
  return NetSymbol::WriteText(os);
}

std::istream& FetSymbol::ReadText(std::istream& is) {
  MyStrng name;
  std::array<float, 2> required{};
  std::array<TransistorOption, kOptionCount> read{};
  if (!ReadRecordHead(is, kVersion, name) || !ReadParameters(is, required, read) ||
      !NetSymbol::ReadText(is)) {
    return is;
  }
  typeName = name;
  transconductance = required[0];
  gateSourceCapacitance = required[1];
  options = read;
  version = kVersion;
  return is;
}
