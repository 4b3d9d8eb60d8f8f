#include "diagrams/graphics/OutText.h"

#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

OutText::OutText(pf::Window* owner) : OutText(owner, 0, 0, 10, 10) {}

OutText::OutText(pf::Window* owner, int px, int py, int w, int h)
    : RectElement(owner, px, py, w, h) {
  name = "OutText";
  colour = RgbColor(255, 255, 255);
}

void OutText::Draw(pf::Dc* dc) {
  if (changed == 0) RectElement::Draw(dc);
  const pf::ColorRef oldText = dc->SetTextColor(textColour.GetScaledRef(1.0f));
  const pf::Pen oldPen = dc->SelectObject(pf::StockPen(pf::StockObject::NullPen));
  const pf::Brush oldBrush = dc->SelectObject(pf::StockBrush(pf::StockObject::WhiteBrush));
  const pf::BkMode oldMode = dc->GetBkMode();
  if (changed == 0) {
    dc->Rectangle({x, y - height, x + width, y});
  } else {
    dc->SetBkMode(pf::BkMode::Transparent);
  }
  const pf::Font oldFont = dc->GetFont();
  if (font) dc->SelectObject(*font);
  dc->TextOut(x + 3, y - height / 2 - 7, DrawnText(*dc));
  dc->SelectObject(oldFont);
  dc->SetBkMode(oldMode);
  dc->SelectObject(oldBrush);
  dc->SelectObject(oldPen);
  dc->SetTextColor(oldText);
}

std::string OutText::DrawnText(pf::Dc&) const { return text.ToCString(); }

int OutText::TextWidth(pf::Dc& dc) const {
  const pf::Font oldFont = dc.GetFont();
  if (font) dc.SelectObject(*font);
  const int w = dc.GetTextExtent(text.GetBuffer()).cx;
  dc.SelectObject(oldFont);
  return w;
}

void OutText::WritePicTex(PicTexFile& f) const { f.PutLabel(x, y, text); }

void OutText::SetSymbolShape(int) {}

void OutText::SetText(const MyStrng& t) {
  text = t;
  Update();
}

TextWithSymbol::TextWithSymbol(pf::Window* owner) : TextWithSymbol(owner, 0, 0, 10, 10) {}

TextWithSymbol::TextWithSymbol(pf::Window* owner, int px, int py, int w, int h)
    : OutText(owner, px, py, w, h), symbol(owner, px - 6, py - h / 2) {}

void TextWithSymbol::Draw(pf::Dc* dc) {
  OutText::Draw(dc);
  symbol.Draw(dc);
}

void TextWithSymbol::WritePicTex(PicTexFile& f) const {
  OutText::WritePicTex(f);
  symbol.WritePicTex(f);
}

void TextWithSymbol::SetSymbolShape(int i) {
  static constexpr char kShapes[] = {'R', 'C', 'K'};
  if (i >= 0 && i < 3) symbol.SetShape(kShapes[i]);
}

void TextWithSymbol::SetPos(int px, int py) {
  OutText::SetPos(px, py);
  symbol.SetPos(px - 6, py - height / 2);
}

void TextWithSymbol::Update() {
  OutText::Update();
  symbol.Update();
}

void TextWithSymbol::SetOwner(pf::Window* w) {
  OutText::SetOwner(w);
  symbol.SetOwner(w);
}
