#pragma once
// The base of every drawn part of an instrument screen: its window, its box in that window's
// client pixels (the stored point is the bottom-left corner, the box covers y - height to y),
// its colour and its class name. An element without a window draws normally and invalidates
// nothing.

#include <cstdint>
#include <initializer_list>
#include <iosfwd>

#include "basics/MyStrng.h"
#include "basics/RgbColor.h"
#include "pf/gdi.h"
#include "pf/geometry.h"

class PicTexFile;

namespace pf {
class Archive;
class Dc;
class Window;
}  // namespace pf

class GrafElement {
 public:
  // Coordinates and sizes read from a text or an archive lie within +-kMaxCoordinate, so
  // no box arithmetic can overflow.
  static constexpr int32_t kMaxCoordinate = 32767;

  explicit GrafElement(pf::Window* owner);
  GrafElement(const GrafElement&) = delete;
  GrafElement& operator=(const GrafElement&) = delete;
  // Repaints the place where the element stood.
  virtual ~GrafElement();

  virtual void SetColor(const RgbColor& c);
  virtual void Draw(pf::Dc* dc) = 0;
  virtual void WriteText(std::ostream& os) const;
  // A malformed text sets the stream's failbit and leaves the element as it was.
  virtual void ReadText(std::istream& is);
  virtual void SetPos(int px, int py);
  virtual void SetHeight(int h);
  virtual void SetWidth(int w);
  virtual void SetChanged();
  virtual void Update();
  virtual void Invalidate();
  virtual void WritePicTex(PicTexFile& f) const;
  // The old and the new place are repainted.
  virtual void MoveTo(int px, int py);
  // Composite elements hand the window on to their parts.
  virtual void SetOwner(pf::Window* w);

  // Draws at once on a device context of the owner window, when there is one.
  void DrawNow();

  // name, colour, drawn, changed, x, y, width, height. Throws pf::ArchiveError on a short or
  // out-of-range load.
  void Serialize(pf::Archive& ar);

  pf::Window* GetOwner() const { return owner; }
  const MyStrng& GetName() const { return name; }
  const RgbColor& GetColor() const { return colour; }
  int GetX() const { return x; }
  int GetY() const { return y; }
  int GetWidth() const { return width; }
  int GetHeight() const { return height; }
  int IsDrawn() const { return drawn; }
  int IsChanged() const { return changed; }

 protected:
  // The fields of the base's text form, read before any is taken over.
  struct TextFields {
    MyStrng name;
    int flags[4] = {};  // drawn, changed, flag3, visible
    int box[4] = {};    // x, y, width, height
    RgbColor colour;
  };
  static bool ParseText(std::istream& is, TextFields& f);
  void ApplyText(const TextFields& f);

  // Invalidates r in the owner's client area, when there is an owner.
  void InvalidateArea(const pf::Rect& r) const;
  // The box widened by one pixel on each side.
  pf::Rect RepaintRect() const;
  pf::Pen ElementPen() const;
  pf::ColorRef ElementColorRef() const;
  // A closed or open polyline as one PiCTeX point list.
  static void WritePolyline(PicTexFile& f, std::initializer_list<pf::Point> points);
  // Reads one value of a text form and skips the separator behind it.
  static bool ReadInt(std::istream& is, int& v);
  static bool ReadCoordinate(std::istream& is, int& v);
  // Throws pf::ArchiveError when the value lies outside +-kMaxCoordinate.
  static int32_t LoadCoordinate(pf::Archive& ar);

  pf::Window* owner;
  int drawn = 0;
  int changed = 0;
  int flag3 = 0;
  int visible = 1;
  MyStrng name{"GrafElement"};
  RgbColor colour{0, 0, 0};
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Selects a pen for a drawing and restores the previous one.
class PenScope {
 public:
  PenScope(pf::Dc* dc, const pf::Pen& pen);
  ~PenScope();
  PenScope(const PenScope&) = delete;
  PenScope& operator=(const PenScope&) = delete;

 private:
  pf::Dc* dc_;
  pf::Pen old_;
};
