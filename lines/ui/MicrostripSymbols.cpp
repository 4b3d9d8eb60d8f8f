#include "lines/ui/MicrostripSymbols.h"

#include <cstdio>

#include "editor/symbols/Glyphs.h"
#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(TrlSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(OstSymbol, EinPolSymbol, 1)
PF_IMPLEMENT_SERIAL(SstSymbol, EinPolSymbol, 1)
PF_IMPLEMENT_SERIAL(MicTaperSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(MicCornerSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(CplSymbol, VierPolSymbol, 1)
PF_IMPLEMENT_SERIAL(TeeSymbol, DreiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(StepSymbol, ZweiPolSymbol, 1)
PF_IMPLEMENT_SERIAL(RadStubSymbol, EinPolSymbol, 1)

namespace {

char Opposite(char orientation) {
  switch (orientation) {
    case 'L': return 'R';
    case 'R': return 'L';
    case 'O': return 'U';
    case 'U': return 'O';
    default: return orientation;
  }
}

// The wide end of a taper or step faces the wider width's pin.
char WideSide(const NetSymbol& s, LaeWert w1, LaeWert w2) {
  return w1.Value() < w2.Value() ? s.orientation : Opposite(s.orientation);
}

// "TRL 1 2": the keyword and the nodes as the pole base writes them.
void StartLine(NetSymbol& s, const char* keyword) {
  s.netLine = keyword;
  s.NetSymbol::WriteNetLine();
}

}  // namespace

template <class Base>
void StripSymbol<Base>::WriteStripLine(const char* keyword) {
  StartLine(*this, keyword);
  this->netLine += MyStrng(" W=") + w + " P=" + p + " " + this->substrate;
}

template <class Base>
void StripSymbol<Base>::DrawStrip(pf::Dc& dc, int glyphLength, bool shorted) {
  Base::Draw(dc);
  const NetSymbol& s = *this;
  const bool lying = s.horizontal != 0;
  if (s.GetPinCount() == 2) {
    DrawGrayBox(&dc, s.centre.x, s.centre.y, glyphLength, 6, lying);
  } else if (shorted) {
    DrawShortStubGlyph(&dc, s.centre.x, s.centre.y, glyphLength, 6, lying, s.orientation);
  } else {
    DrawOpenStubGlyph(&dc, s.centre.x, s.centre.y, glyphLength, 6, lying, s.orientation);
  }
  msl::DrawValueTexts(dc, s, w, 3, p, 14);
}

template class StripSymbol<ZweiPolSymbol>;
template class StripSymbol<EinPolSymbol>;

void TrlSymbol::Draw(pf::Dc& dc) { DrawStrip(dc, 20, false); }
void OstSymbol::Draw(pf::Dc& dc) { DrawStrip(dc, 15, false); }
void SstSymbol::Draw(pf::Dc& dc) { DrawStrip(dc, 15, true); }

void MicTaperSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawTaperGlyph(&dc, centre.x, centre.y, 24, 10, WideSide(*this, w1, w2));
  msl::DrawValueTexts(dc, *this, w1, 4, w2, 15);
}

void MicTaperSymbol::WriteNetLine() {
  StartLine(*this, "TAP");
  netLine += MyStrng(" W1=") + w1 + " W2=" + w2 + " P=" + p;
  if (shape == 'L') netLine += " WLIN";
  if (shape == 'E') netLine += " WEXP";
  if (shape == 'C') netLine += " WCOS";
  netLine += MyStrng(" ") + substrate;
}

void MicCornerSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  DrawCornerGlyph(&dc, centre.x, centre.y, 8, 8, horizontal == 0, form);
  msl::DrawValueTexts(dc, *this, w1, 4, w2, 15);
}

void MicCornerSymbol::WriteNetLine() {
  StartLine(*this, "BEND");
  if (form == 'C') netLine += " CUT";
  if (form == 'N') netLine += " NCUT";
  if (form == 'O') netLine += " OPT";
  netLine += MyStrng(" W1=") + w1 + " W2=" + w2 + " " + substrate;
}

void CplSymbol::Draw(pf::Dc& dc) {
  VierPolSymbol::Draw(dc);
  DrawCoupledLinesGlyph(&dc, centre.x, centre.y, 25, 15, horizontal != 0);
  msl::DrawValueTexts(dc, *this, w, 5, p, 16);
}

void CplSymbol::WriteNetLine() {
  StartLine(*this, "CPL");
  netLine += MyStrng(" W=") + w + " S=" + s + " P=" + p + " " + substrate;
}

void TeeSymbol::Draw(pf::Dc& dc) {
  DreiPolSymbol::Draw(dc);
  DrawTeeGlyph(&dc, centre.x, centre.y, 10, 10);
  if (horizontal != 0) msl::DrawValueTexts(dc, *this, w1, 3, w3, 13);
}

void TeeSymbol::WriteNetLine() {
  StartLine(*this, "TEE");
  netLine += MyStrng(" W1=") + w1 + " W2=" + w1 + " W3=" + w3 + " " + substrate;
}

void StepSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  // The glyph has no upright form; standing, it is drawn lying.
  const char side = horizontal != 0 ? WideSide(*this, w1, w2) : 'L';
  DrawStepGlyph(&dc, centre.x, centre.y, 10, 10, side);
  msl::DrawValueTexts(dc, *this, w1, 4, w2, 15);
}

void StepSymbol::WriteNetLine() {
  StartLine(*this, "STEP");
  netLine += MyStrng(" W1=") + w1 + " W2=" + w2 + " MO=" + MyStrng(model) + " " + substrate;
}

void RadStubSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  DrawRadialStubGlyph(&dc, centre.x, centre.y, 20, 0, orientation);
  char text[32];
  std::snprintf(text, sizeof text, "%4.1f", angle.Value(false));
  msl::DrawValueTexts(dc, *this, rl, 3, MyStrng(text), 14);
}

void RadStubSymbol::WriteNetLine() {
  StartLine(*this, "CST");
  netLine += MyStrng(" A=") + angle + " WI=" + wi + " RL=" + rl + " " + substrate;
}
