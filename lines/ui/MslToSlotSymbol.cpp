#include "lines/ui/MslToSlotSymbol.h"

#include <tuple>

#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"

namespace {

constexpr int kPicture = 184;

}  // namespace

MslToSlotSymbol::MslToSlotSymbol() : MicrostripSymbol(kClassKey) { Init(); }

MslToSlotSymbol::MslToSlotSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void MslToSlotSymbol::Init() {
  pinCount = 4;
  variant = 'A';
  msl::ShowPicture(*this, kPicture);
}

void MslToSlotSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(m, s, k));
  substrate.Serialize(ar);
  msl::SerializeLetter(ar, model);
}

void MslToSlotSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  msl::DrawValueTexts(dc, *this, MyStrng("wM:") + m, 7, MyStrng("wS:") + s, 20);
}

void MslToSlotSymbol::WriteNetLine() {
  netLine = "MSTSL";
  for (int pin = 0; pin < 3; ++pin) netLine += MyStrng(" ") + MyStrng(nodes[pin]);
  const char* word = model == 'D' ? " DAS" : model == 'S' ? " SIM" : " KNR";
  netLine += MyStrng(" ") + " M=" + m + " S=" + s + " K=" + k + word + " " + substrate;
}
