#pragma once
// A read-out box: a grey box with a sunken white field that shows one text, cut to the
// characters that fit. Instrument symbols use it for their readings.

#include <optional>

#include "diagrams/graphics/RectElement.h"

class LowDisplay : public GreyRectangle {
 public:
  static constexpr int kHeight = 14;

  LowDisplay(pf::Window* owner, int px, int py, int w);

  void Draw(pf::Dc* dc) override;
  // After the first drawing only the text field is repainted.
  void Update() override;

  // Repaints only when the text changes.
  void SetText(const MyStrng& text);
  const MyStrng& GetText() const { return text; }
  void SetFont(std::optional<pf::Font> f) { font = std::move(f); }

 private:
  MyStrng text;
  MyStrng previousText;
  int textX;
  int textY;
  int textWidth;
  int textHeight;
  std::optional<pf::Font> font;
};
