#include "control_painter.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "pf/controls.h"
#include "pf/frame.h"
#include "pf/resource.h"
#include "pf/text_wrap.h"

namespace pf {
namespace {

constexpr ColorRef kText = Rgb(0, 0, 0);
constexpr ColorRef kGrayText = Rgb(160, 160, 160);
constexpr ColorRef kFace = Rgb(225, 225, 225);
constexpr ColorRef kBorder = Rgb(122, 122, 122);
constexpr ColorRef kLightBorder = Rgb(173, 173, 173);
constexpr ColorRef kAccent = Rgb(0, 120, 215);
constexpr ColorRef kWhite = Rgb(255, 255, 255);
constexpr ColorRef kDialog = Rgb(240, 240, 240);

void Frame(Dc& dc, const Rect& r, ColorRef fill, ColorRef border) {
  dc.SelectObject(Pen{PenStyle::Solid, 1, border});
  dc.SelectObject(Brush{BrushStyle::Solid, fill});
  dc.Rectangle(r);
}

void Triangle(Dc& dc, Point centre, bool up, ColorRef color) {
  const int d = up ? -1 : 1;
  const std::array<Point, 3> points{Point{centre.x - 3, centre.y - d * 2},
                                    Point{centre.x + 3, centre.y - d * 2},
                                    Point{centre.x, centre.y + d}};
  dc.SelectObject(Pen{PenStyle::Solid, 1, color});
  dc.SelectObject(Brush{BrushStyle::Solid, color});
  dc.Polygon(points);
}

enum class Align { Left, Center, Right };

void TextLines(Dc& dc, const Rect& r, std::string_view text, Align align) {
  const int lineHeight = dc.GetTextExtent("Ag").cy;
  int y = r.top;
  for (const std::string& line : WrapText(dc, text, r.Width())) {
    if (y + lineHeight > r.bottom && y != r.top) break;
    const int w = dc.GetTextExtent(line).cx;
    const int x = align == Align::Left     ? r.left
                  : align == Align::Center ? r.left + (r.Width() - w) / 2
                                           : r.right - w;
    dc.TextOut(x, y, line);
    y += lineHeight;
  }
}

// One line, centred vertically, cut to the width.
void TextLine(Dc& dc, const Rect& r, std::string_view text, bool centred) {
  const std::string_view fits = FitText(dc, text, r.Width());
  const Size extent = dc.GetTextExtent(fits.empty() ? "Ag" : fits);
  const int x = centred ? r.left + (r.Width() - extent.cx) / 2 : r.left;
  dc.TextOut(x, r.top + (r.Height() - extent.cy) / 2, fits);
}

void PaintButton(const Button& b, Dc& dc, const Rect& r) {
  const int box = 13;
  const Rect mark{0, (r.Height() - box) / 2, box, (r.Height() - box) / 2 + box};
  const Rect label{box + 4, 0, r.right, r.bottom};
  switch (b.Kind()) {
    case ControlKind::PushButton:
      Frame(dc, r, kFace, b.HasStyle(kStyleDefault) ? kAccent : kLightBorder);
      if (b.HasStyle(kStyleDefault)) {
        Frame(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kFace, kAccent);
      }
      TextLine(dc, r, StripMnemonics(b.GetWindowText()), true);
      break;
    case ControlKind::CheckBox:
      Frame(dc, mark, kWhite, kText);
      if (b.GetCheck() != 0) {
        dc.SelectObject(Pen{PenStyle::Solid, 2, kText});
        dc.MoveTo(mark.left + 3, mark.top + 6);
        dc.LineTo(mark.left + 5, mark.top + 9);
        dc.LineTo(mark.left + 10, mark.top + 3);
      }
      TextLine(dc, label, StripMnemonics(b.GetWindowText()), false);
      break;
    case ControlKind::RadioButton:
      dc.SelectObject(Pen{PenStyle::Solid, 1, kText});
      dc.SelectObject(Brush{BrushStyle::Solid, kWhite});
      dc.Ellipse(mark);
      if (b.GetCheck() != 0) {
        dc.SelectObject(Brush{BrushStyle::Solid, kText});
        dc.Ellipse({mark.left + 4, mark.top + 4, mark.right - 4, mark.bottom - 4});
      }
      TextLine(dc, label, StripMnemonics(b.GetWindowText()), false);
      break;
    default: {  // group box
      const int half = dc.GetTextExtent("Ag").cy / 2;
      dc.SelectObject(Pen{PenStyle::Solid, 1, kLightBorder});
      dc.SelectObject(Brush{BrushStyle::Null, kWhite});
      dc.Rectangle({r.left, r.top + half, r.right, r.bottom});
      if (!b.GetWindowText().empty()) {
        dc.SetBkMode(BkMode::Opaque);
        dc.SetBkColor(kDialog);
        std::string label(1, ' ');
        label.append(FitText(dc, StripMnemonics(b.GetWindowText()), r.Width() - 20)).push_back(' ');
        dc.TextOut(r.left + 8, r.top, label);
        dc.SetBkMode(BkMode::Transparent);
      }
    }
  }
}

void PaintList(const ListControl& list, Dc& dc, const Rect& r, int lineHeight) {
  for (int i = 0, y = r.top; i < list.GetCount() && y < r.bottom; ++i, y += lineHeight) {
    const Rect line{r.left, y, r.right, std::min(y + lineHeight, r.bottom)};
    const bool selected = i == list.GetCurSel();
    if (selected) dc.FillRect(line, Brush{BrushStyle::Solid, kAccent});
    dc.SetTextColor(selected ? kWhite : kText);
    TextLine(dc, {line.left + 2, line.top, line.right - 2, line.bottom}, list.GetText(i), false);
  }
}

void PaintControl(const Control& c, Dc& dc) {
  const Rect r = c.GetClientRect();
  const int lineHeight = dc.GetTextExtent("Ag").cy + 2;
  switch (c.Kind()) {
    case ControlKind::Static:
      TextLines(dc, r, StripMnemonics(c.GetWindowText()),
                c.HasStyle(kStyleCenter)  ? Align::Center
                : c.HasStyle(kStyleRight) ? Align::Right
                                          : Align::Left);
      break;
    case ControlKind::Edit:
      Frame(dc, r, c.HasStyle(kStyleReadOnly) ? kDialog : kWhite, kBorder);
      if (c.HasStyle(kStyleMultiline)) {
        TextLines(dc, {r.left + 3, r.top + 2, r.right - 3, r.bottom - 2}, c.GetWindowText(),
                  Align::Left);
      } else {
        TextLine(dc, {r.left + 3, r.top, r.right - 3, r.bottom}, c.GetWindowText(), false);
      }
      break;
    case ControlKind::ListBox:
      Frame(dc, r, kWhite, kBorder);
      PaintList(static_cast<const ListControl&>(c), dc,
                {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, lineHeight);
      break;
    case ControlKind::ComboBox: {
      // Closed, as a combo box is shown until the user opens its list.
      const Rect box{r.left, r.top, r.right, r.top + std::min(r.Height(), lineHeight + 6)};
      const Rect arrow{box.right - 17, box.top, box.right, box.bottom};
      Frame(dc, box, kWhite, kBorder);
      Frame(dc, arrow, kFace, kBorder);
      Triangle(dc, {(arrow.left + arrow.right) / 2, (arrow.top + arrow.bottom) / 2}, false, kText);
      TextLine(dc, {box.left + 3, box.top, arrow.left - 2, box.bottom}, c.GetWindowText(), false);
      break;
    }
    case ControlKind::Progress: {
      const auto& p = static_cast<const Progress&>(c);
      Frame(dc, r, kFace, kLightBorder);
      const long long span = static_cast<long long>(p.GetUpper()) - p.GetLower();
      if (span != 0) {
        const long long filled =
            (static_cast<long long>(p.GetPos()) - p.GetLower()) * (r.Width() - 2) / span;
        dc.FillRect({1, 1, 1 + static_cast<int>(std::clamp<long long>(filled, 0, r.Width() - 2)),
                     r.bottom - 1},
                    Brush{BrushStyle::Solid, Rgb(6, 176, 37)});
      }
      break;
    }
    case ControlKind::UpDown: {
      const int mid = r.Height() / 2;
      Frame(dc, {r.left, r.top, r.right, mid}, kFace, kLightBorder);
      Frame(dc, {r.left, mid, r.right, r.bottom}, kFace, kLightBorder);
      Triangle(dc, {r.Width() / 2, mid / 2}, true, c.IsWindowEnabled() ? kText : kGrayText);
      Triangle(dc, {r.Width() / 2, mid + (r.Height() - mid) / 2}, false,
               c.IsWindowEnabled() ? kText : kGrayText);
      break;
    }
    case ControlKind::OwnerDraw:
      break;
    case ControlKind::Bitmap: {
      const Bitmap picture = static_cast<const StaticBitmap&>(c).GetBitmap();
      dc.BitBlt(0, 0, picture.Width(), picture.Height(), picture, 0, 0);
      break;
    }
    default:
      PaintButton(static_cast<const Button&>(c), dc, r);
  }
}

// Pictures are drawn on the toolbar grey, which shows the face; a disabled one is greyed.
Bitmap ButtonPicture(const ToolButton& b, ColorRef face) {
  constexpr ColorRef kPictureBackground = Rgb(192, 192, 192);
  Bitmap picture = b.picture;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const ColorRef c = picture.GetPixel(x, y);
      if (c == kPictureBackground) {
        picture.SetPixel(x, y, face);
      } else if (!b.enabled) {
        picture.SetPixel(x, y, kGrayText);
      }
    }
  }
  return picture;
}

void PaintToolBar(const ToolBar& bar, Dc& dc) {
  for (int i = 0; i < static_cast<int>(bar.Buttons().size()); ++i) {
    const ToolButton& b = bar.Buttons()[i];
    if (b.style == ToolStyle::Separator) continue;
    Rect r = bar.ButtonRect(i);
    r.bottom -= 1;
    const ColorRef face = b.check != 0 ? Rgb(204, 228, 247) : kFace;
    Frame(dc, r, face, b.check != 0 ? kAccent : kLightBorder);
    if (b.picture.IsEmpty()) {
      dc.SetTextColor(b.enabled ? kText : kGrayText);
      TextLine(dc, r, std::to_string(b.id % 100), true);
    } else {
      const Bitmap picture = ButtonPicture(b, face);
      dc.BitBlt(r.left + (r.Width() - picture.Width()) / 2,
                r.top + (r.Height() - picture.Height()) / 2, picture.Width(), picture.Height(),
                picture, 0, 0);
    }
  }
}

}  // namespace

bool PainterDraws(const Window& window) {
  if (const auto* c = dynamic_cast<const Control*>(&window))
    return c->Kind() != ControlKind::OwnerDraw;
  return dynamic_cast<const ToolBar*>(&window) != nullptr ||
         dynamic_cast<const StatusBar*>(&window) != nullptr;
}

void PaintStandardWindow(const Window& window, Dc& dc) {
  dc.SelectObject(window.GetFont());
  dc.SetBkMode(BkMode::Transparent);
  dc.SetTextColor(window.IsWindowEnabled() ? kText : kGrayText);
  if (const auto* c = dynamic_cast<const Control*>(&window)) {
    PaintControl(*c, dc);
  } else if (const auto* bar = dynamic_cast<const ToolBar*>(&window)) {
    dc.FillRect(bar->GetClientRect(), Brush{BrushStyle::Solid, kDialog});
    PaintToolBar(*bar, dc);
  } else if (dynamic_cast<const StatusBar*>(&window) != nullptr) {
    const Rect r = window.GetClientRect();
    Frame(dc, r, kDialog, kLightBorder);
    TextLine(dc, {r.left + 4, r.top, r.right - 4, r.bottom}, window.GetWindowText(), false);
  }
}

}  // namespace pf
