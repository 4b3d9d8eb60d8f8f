#include "elements/spice/SpiceLibSymbol.h"

#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "resources/Bitmaps.h"

PF_IMPLEMENT_SERIAL(SpiceLibSymbol, EinPolSymbol, 1)

namespace {

constexpr int kLibraryBitmap = 238;

void Init(SpiceLibSymbol& s) {
  s.classKey = SpiceLibSymbol::kClassKey;
  s.drawLeads = 0;
  s.drawPinMarks = 0;
  s.bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(kLibraryBitmap));
}

}  // namespace

SpiceLibSymbol::SpiceLibSymbol() { Init(*this); }

SpiceLibSymbol::SpiceLibSymbol(const Point& start, const Point& end) : EinPolSymbol(start, end) {
  Init(*this);
}

void SpiceLibSymbol::Serialize(pf::Archive& ar) {
  EinPolSymbol::Serialize(ar);
  libraryName.Serialize(ar);
  library.Serialize(ar);
}

void SpiceLibSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  if (bitmap != nullptr && !bitmap->IsEmpty()) {
    const pf::Bitmap turned = MultiPolSymbol::Turned(*bitmap, orientation);
    dc.BitBlt(centre.x - turned.Width() / 2, centre.y - turned.Height() / 2, turned.Width(),
              turned.Height(), turned, 0, 0);
  }
  DrawCentredLabel(dc, libraryName, centre, horizontal != 0);
}
