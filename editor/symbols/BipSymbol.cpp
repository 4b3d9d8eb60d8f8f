#include "editor/symbols/BipSymbol.h"

#include <tuple>

#include "basics/VS_Error.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"

PF_IMPLEMENT_SERIAL(BipSymbol, DreiPolSymbol, 1)

const std::array<TransistorOptionKey, BipSymbol::kOptionCount> BipSymbol::kOptionKeys = {{
    {" F=", ValueText<FreqWert>},  {" T=", ValueText<TimWert>},   {" CE=", ValueText<CapWert>},
    {" CC=", ValueText<CapWert>},  {" RC=", ValueText<ResWert>},  {" RCE=", ValueText<ResWert>},
    {" RO=", ValueText<ResWert>},  {" CO=", ValueText<CapWert>},  {" RB1=", ValueText<ResWert>},
    {" RC1=", ValueText<ResWert>}, {" RE1=", ValueText<ResWert>}, {" RB2=", ValueText<ResWert>},
    {" RC2=", ValueText<ResWert>}, {" CBE=", ValueText<CapWert>}, {" CBC=", ValueText<CapWert>},
    {" CCE=", ValueText<CapWert>}, {" LB=", ValueText<IndWert>},  {" LC=", ValueText<IndWert>},
    {" LE=", ValueText<IndWert>},
}};

BipSymbol::BipSymbol() : BipSymbol(Point(0, 100), Point(100, 100)) {}

BipSymbol::BipSymbol(const Point& start, const Point& end)
    : TransistorSymbol(start, end, kClassKey, kVersion, "BCY 59", DrawBipGlyph) {}

void BipSymbol::Serialize(pf::Archive& ar) {
  NetSymbol::Serialize(ar);
  if (ar.IsLoading() && (version < 1 || version > kVersion)) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "transistor version");
  }
  typeName.Serialize(ar);
  if (ar.IsStoring()) {
    ar << kind;
  } else {
    ar >> kind;
  }
  if (kind == 'H') {
    SerializeValueTexts(ar, *this, std::tie(h11, h12, h21, h22));
  }
  if (version >= 2) {
    std::array<float, 2> required = Required();
    SerializeParameters(ar, required, options);
    alpha = required[0];
    emitterResistance = required[1];
  }
  version = kVersion;  // a file of the old layout is saved in the new one
}

int BipSymbol::GetExtraLineCount() const {
  return feedbackLine.IsEmpty() ? TransistorSymbol::GetExtraLineCount() : 1;
}

MyStrng BipSymbol::GetExtraLine(int index) const {
  if (feedbackLine.IsEmpty()) return TransistorSymbol::GetExtraLine(index);
  return index == 0 ? feedbackLine : MyStrng("noLines");
}

void BipSymbol::ClearExtraLines() {
  TransistorSymbol::ClearExtraLines();
  feedbackLine = "";
}

void BipSymbol::WriteNetLine() {
  netLine = "";
  if (kind == 'H') {
    WriteHybridLine();
  } else if (kind == 'S') {
    WriteCircuitLine();
  }
}

// Input resistance H11 and output resistance 1 / H22 around a current gain H21, and H11 / H12
// from input to output for the reverse transfer, which H12 = 0 leaves out.
void BipSymbol::WriteHybridLine() {
  continuation.Clear();
  feedbackLine = "";
  if (!h11.CheckSyntax() || !h12.CheckSyntax() || !h21.CheckSyntax() || !h22.CheckSyntax()) {
    return;
  }
  const double input = h11.Value();
  const double gain = h21.Value(true);
  const double reverse = h12.Value(true);
  const double output = h22.Value();
  if (output == 0.0) {
    VS_Error().Error(elementName + ": H22 darf nicht 0 sein", 4);
    return;
  }
  const double feedback = reverse != 0.0 ? input / reverse : 0.0;
  if (!CheckFinite(elementName, {input, gain, 1.0 / output, feedback}, {})) return;
  netLine = "CCG";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" B= ") + h21 + " R1= " + h11 + " R2= " + ValueText<ResWert>(1.0 / output);
  if (reverse != 0.0) {
    feedbackLine = MyStrng("RES ") + MyStrng(nodes[0]) + " " + MyStrng(nodes[1]) + " R=" +
                   ValueText<ResWert>(feedback);
  }
}

void BipSymbol::WriteCircuitLine() {
  feedbackLine = "";
  if (!CheckFinite(elementName, {alpha, emitterResistance}, options)) return;
  netLine = "BIP";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" A=") + MyStrng(FloatWert(static_cast<double>(alpha))) + " RE=" +
             ValueText<ResWert>(emitterResistance);
  AppendOptions(kOptionKeys);
}

int BipSymbol::GetNetLineLength() const {
  const int feedback = feedbackLine.IsEmpty() ? 0 : feedbackLine.GetLength() + 2;
  return TransistorSymbol::GetNetLineLength() + feedback;
}

// Own part of the text record, behind the line of key and version and the type name line:
//   the kind, H11, H12, H21, H22 (char, then the four value texts, comma-separated, one line);
//   alpha, RE, then the 19 option values in the order of kOptionKeys (21 floats, one line);
//   the 19 option enable flags in the same order (ints, one line).
std::ostream& BipSymbol::WriteText(std::ostream& os) {
  WriteRecordHead(os, classKey, kVersion, typeName);
  os << kind << ',' << h11 << ',' << h12 << ',' << h21 << ',' << h22 << '\n';
  WriteParameters(os, Required(), options);
  return NetSymbol::WriteText(os);
}

std::istream& BipSymbol::ReadText(std::istream& is) {
  MyStrng name;
  char letter = 0;
  std::array<MyStrng, 4> hybrid;
  std::array<float, 2> required{};
  std::array<TransistorOption, kOptionCount> read{};
  if (!ReadRecordHead(is, kVersion, name) || !TakeValue(is, letter)) return is;
  for (MyStrng& h : hybrid) TakeValue(is, h);
  if (!is || !ReadParameters(is, required, read) || !NetSymbol::ReadText(is)) return is;
  typeName = name;
  kind = letter;
  h11 = ResWert(hybrid[0]);
  h12 = FloatWert(hybrid[1]);
  h21 = FloatWert(hybrid[2]);
  h22 = LeiWert(hybrid[3]);
  alpha = required[0];
  emitterResistance = required[1];
  options = read;
  version = kVersion;
  return is;
}
