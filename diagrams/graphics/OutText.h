#pragma once
// Text labels: a one-line text on a white box (or transparent once marked changed), and the
// label with a point symbol in front of it.

#include <optional>
#include <string>

#include "diagrams/graphics/GrafikSymbol.h"
#include "diagrams/graphics/RectElement.h"

class OutText : public RectElement {
 public:
  // Without a box: (0, 0), 10 x 10.
  explicit OutText(pf::Window* owner);
  OutText(pf::Window* owner, int px, int py, int w, int h);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // 0 'R', 1 'C', 2 'K'; a plain label has no symbol.
  virtual void SetSymbolShape(int i);

  // Repaints.
  void SetText(const MyStrng& t);
  MyStrng GetText() const { return text; }
  // The width of the text as Draw writes it on the context.
  int TextWidth(pf::Dc& dc) const;
  // Without a repaint.
  void StoreText(const MyStrng& t) { text = t; }
  // Without a repaint.
  void SetFont(std::optional<pf::Font> f) { font = std::move(f); }
  void SetTextColor(const RgbColor& c) { textColour = c; }
  const RgbColor& GetTextColor() const { return textColour; }

 protected:
  // What Draw writes, with the label's font selected on the context.
  virtual std::string DrawnText(pf::Dc& dc) const;

  MyStrng text{"Unbekannt"};
  std::optional<pf::Font> font;
  RgbColor textColour{0, 0, 0};
};

class TextWithSymbol : public OutText {
 public:
  explicit TextWithSymbol(pf::Window* owner);
  TextWithSymbol(pf::Window* owner, int px, int py, int w, int h);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void SetSymbolShape(int i) override;
  // The symbol follows, centred 6 pixels left of the label's middle.
  void SetPos(int px, int py) override;
  void Update() override;
  void SetOwner(pf::Window* w) override;

  const GrafikSymbol& GetSymbol() const { return symbol; }

 private:
  GrafikSymbol symbol;
};
