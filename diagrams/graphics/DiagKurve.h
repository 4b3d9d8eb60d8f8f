#pragma once
// One curve of a diagram: float x values and one to three value columns of a fixed capacity,
// filled during a run and read out at a cursor. It draws itself through its diagram's mapping
// as a polyline, as point symbols or as spectral lines, may carry start and end symbols and a
// companion stability circle, and is kept as the curve file ("*.kur"), as a text form inside
// instrument streams and as a tab-separated data text on the clipboard.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "diagrams/graphics/DiagBaseElement.h"
#include "diagrams/graphics/GrafikSymbol.h"
#include "diagrams/graphics/StabCircle.h"

class LineFile;

class DiagKurve : public DiagBaseElement {
 public:
  // Capacity limit of a curve, and of every curve read from a file or a stream.
  static constexpr int kMaxPoints = 1 << 20;
  static constexpr int kMaxColumns = 3;
  // The largest curve file: the point table at its bound, four element names (the curve's and
  // its three symbols') at the archive's text bound, the four texts at theirs, and the fixed
  // fields well within 64 KiB. A larger file cannot be a curve and is not read.
  static constexpr std::uintmax_t kMaxFileBytes =
      std::uintmax_t{kMaxPoints} * (1 + kMaxColumns) * sizeof(float) +
      4 * std::uintmax_t{MyStrng::kMaxArchivedCapacity} +
      4 * std::uintmax_t{kMaxNameCapacity} + (std::uintmax_t{1} << 16);

  DiagKurve(pf::Window* owner, DiagramMapping* diagram);

  // Filling. Allocate replaces any table by n zero points (0..kMaxPoints) of k columns
  // (1..3). Points beyond the capacity are ignored.
  void Allocate(int n, int k);
  void Free();
  void Restart() { cursor = 0; }
  void Append(double px, double py);
  // y2 only on a curve of exactly 2 columns.
  void Append(float px, float y1, float y2);
  // Every value whose column exists.
  void Append(float px, float y1, float y2, float y3);
  // Stores like Append and draws the new segment at once.
  void AppendAndDraw(pf::Dc* dc, float px, float y1, float y2);
  void ScaleX(float f);
  void ScaleY(float f);

  // Clamped to the table; 0.0 without one.
  float GetX(int i) const { return Get(x, i); }
  float GetY1(int i) const { return Get(y[0], i); }
  float GetY2(int i) const { return Get(y[1], i); }
  float GetY3(int i) const { return Get(y[2], i); }
  int GetCount() const { return count; }
  int GetColumns() const { return columns; }
  int GetCursor() const { return cursor; }
  // Each successful move updates the companion.
  bool CursorNext();
  bool CursorPrev();
  bool SetCursor(int i);

  // Style 'L' polyline, 'P' point symbols, 'S' spectral lines.
  void SetStyle(char s) { style = s; }
  char GetStyle() const { return style; }
  void SetPointStyle();
  GrafikSymbol& GetPointSymbol() { return *pointSymbol; }
  void IncSymbolInterval();
  void DecSymbolInterval();
  int GetSymbolInterval() const { return symbolInterval; }
  void EnableEndMarkers();
  void EnableStabCircle();
  StabCircle* GetCompanion() const { return companion.get(); }

  // Also the label's text and the point symbol.
  void SetColor(const RgbColor& c) override;
  // Also the label and the companion.
  void SetName(const MyStrng& text) override;
  void SetNetwork(const MyStrng& text) { network = text; }
  void SetDate(const MyStrng& text) { date = text; }
  const MyStrng& GetNetwork() const { return network; }
  const MyStrng& GetDate() const { return date; }
  // Update does nothing while the curve is not visible.
  void SetVisible(bool v) { visible = v ? 1 : 0; }

  void Draw(pf::Dc* dc) override;
  // Repaints the box of all mapped points.
  void Update() override;
  void WritePicTex(PicTexFile& f) const override;
  // As WritePicTex, with at most limit points (at least 2): the curves of one picture share
  // what pdflatex's memory holds.
  void WritePicTex(PicTexFile& f, size_t limit) const;
  void SetOwner(pf::Window* w) override;

  // The text form breaks the x values after the 11th, 21st, ... value. A malformed or
  // out-of-range text sets the failbit and leaves the curve as it was.
  void WriteText(std::ostream& os) const override;
  void ReadText(std::istream& is) override;

  // The curve file. Throws pf::ArchiveError on a short load, a count beyond kMaxPoints or the
  // file's bytes, columns outside 1..3 (0 only with no points) or an over-long text.
  void Serialize(pf::Archive& ar);
  // Loads without throwing; a bad file leaves the curve without points and reports
  // "Kurve konnte nicht geladen werden".
  bool Load(pf::Archive& ar);

  // The banner and one tab-separated line per point.
  void WriteDataText(LineFile& out) const;
  void CopyDataToClipboard(pf::Window* window) const;

 private:
  static float Get(const std::vector<float>& v, int i);
  // x and the values of the columns that exist.
  void AppendColumns(float px, std::initializer_list<float> values);
  // The pixel of point i.
  pf::Point MapPoint(int i) const;
  // The mapped points, one trace per stroke of the pen, that draw what all of them draw
  // (ThinToColumns).
  std::vector<std::vector<pf::Point>> VisibleTraces() const;
  void DrawPolyline(pf::Dc* dc);
  void DrawPoints(pf::Dc* dc);
  void DrawSpectrum(pf::Dc* dc);
  // The symbol centred on point i, then drawn.
  void PutSymbol(pf::Dc* dc, GrafikSymbol& s, int i) const;
  void UpdateCompanion();

  MyStrng network;
  MyStrng date;
  char style = 'L';
  int endMarkers = 0;
  int stabCircle = 0;
  std::vector<float> x;
  std::array<std::vector<float>, kMaxColumns> y;
  int count = 0;
  int columns = 0;
  int cursor = 0;
  std::unique_ptr<GrafikSymbol> startSymbol;
  std::unique_ptr<GrafikSymbol> endSymbol;
  std::unique_ptr<GrafikSymbol> pointSymbol;
  int symbolInterval = 1;
  std::unique_ptr<StabCircle> companion;
};
