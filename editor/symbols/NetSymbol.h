#pragma once
// The base of every schematic symbol: up to five pins on the grid, an orientation letter, a
// body rectangle, pin colours and node numbers, names, and the virtual operations through which
// the document, the view and the exporters drive every symbol, each with its default.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <vector>

#include "basics/FloatWert.h"
#include "basics/MyStrng.h"
#include "basics/Point.h"
#include "basics/RgbColor.h"
#include "formats/GerberAperture.h"
#include "pf/bitmap.h"
#include "pf/object.h"

namespace pf {
class Archive;
class Dc;
class Document;
class View;
class Window;
}  // namespace pf

class GerberPlotFile;
class GitPointGrid;
class LineFile;
class SpiceLibrary;
class SpiceManager;

class NetSymbol : public pf::Object {
  PF_DECLARE_RUNTIME(NetSymbol)

 public:
  static constexpr int32_t kMaxPins = 5;
  static constexpr int32_t kGridSpacing = 25;

  NetSymbol();  // four pins
  explicit NetSymbol(int32_t pinCount);
  NetSymbol(const NetSymbol&) = delete;
  NetSymbol& operator=(const NetSymbol&) = delete;
  ~NetSymbol() override;

  // Throws pf::ArchiveError on a pin count outside 1..5, an orientation not in R L O U K or a
  // pin spacing other than 25, before anything is read into the pin slots.
  void Serialize(pf::Archive& ar) override;
  virtual void UpdateGeometry();
  virtual void Draw(pf::Dc& dc);
  virtual void WriteLatex(LineFile& lines);
  virtual int WriteSpiceLines(LineFile& lines, int flag);
  // The model's card or block from the circuit's library (null without one) into the lines.
  virtual void WriteSpiceModel(const SpiceLibrary* library, LineFile& lines);
  virtual void WriteSpiceControl(LineFile& lines);
  virtual bool UsesSpiceModel() const;
  // The model that the SPICE line names and WriteSpiceModel writes: the chosen one.
  virtual MyStrng SpiceModelName() const { return modelName; }
  // A symbol with a netlist line but no SPICE form; the SPICE export names it as missing.
  virtual bool LacksSpiceForm() const { return false; }
  virtual void ReadSpiceResults(SpiceManager& source);
  virtual void CopyParameters(const NetSymbol& other);
  virtual void ReloadBitmap();
  // The installed dialog of the class key when there is one (InstallDialog).
  virtual bool EditDialog(pf::Window* parent);
  virtual MyStrng GetClassKey() const;
  virtual void SetPortName(const MyStrng& text);
  virtual MyStrng GetElementName() const;
  virtual int GetExtraLineCount() const;
  virtual MyStrng GetExtraLine(int index) const;
  virtual void ClearExtraLines();
  virtual Point GetPinPosition(int index) const;
  virtual void WriteNetLine();
  virtual int GetPinCount() const;
  // The symbol text form. ReadText switches white-space skipping off and leaves it off; a
  // malformed record sets the fail state and leaves the base fields as they were.
  virtual std::ostream& WriteText(std::ostream& os);
  virtual std::istream& ReadText(std::istream& is);
  // Whether the name was one of the class's; the base knows none.
  virtual bool SetParameter(const MyStrng& name, float value);
  // The value when the name was one of the class's, else 0.
  virtual char SetCharParameter(const MyStrng& name, char value);
  virtual double GetParameter(const MyStrng& name) const;
  virtual void MoveBy(pf::Window* window, const Point& delta);
  virtual int GetNetLineLength() const;
  virtual bool IsSubCircuit() const;
  virtual bool IsInstrument() const;
  virtual bool IsDataItem() const;
  virtual void SetView(pf::View* owner);
  virtual void SetOrigin(const Point& pin, const LPoint& layout);
  virtual void VisitPins(std::vector<DoublePoint>& list) const;
  virtual void WriteGerber(GerberPlotFile& layer) const;
  // The aperture the photoplot export makes for the symbol; none by default.
  virtual GerberAperture GetGerberAperture() const { return {}; }
  // Strip and gaps of a coplanar line, the pad of a data two-port beside it (metres); 0 else.
  virtual double GetPadSpan() const { return 0.0; }
  // The symbol the photoplot walk starts from (the external node numbered 1); none by default.
  virtual bool StartsLayout() const { return false; }
  // A symbol whose aperture is a square pad as wide as the line at its first pin (the data
  // two-port) instead of a wish of its own; SetPadSide gives it that side (metres).
  virtual bool TakesPadFromLine() const { return false; }
  virtual void SetPadSide(double) {}

  // Dialogs that live in a library above this one, run by EditDialog for their class key;
  // true exactly when the user ended the dialog with OK.
  using DialogRunner = bool (*)(NetSymbol& symbol, pf::Window* parent);
  static void InstallDialog(const char* classKey, DialogRunner runner);

  static int32_t SnapToGrid(int32_t v);
  char OrientationFromPins() const;
  Point GetCentre() const { return centre; }
  Point GetPinPoint(int index) const;
  bool HasPinAt(const Point& p) const;
  bool SharesPinWith(const NetSymbol& other) const;
  bool Contains(const Point& p) const;
  pf::Rect GetRect() const;
  void ReleasePins(GitPointGrid& grid) const;
  // Repaints the rectangle grown by 2 where the window shows it (a scroll view shifted).
  void InvalidateArea(pf::Window* window) const;
  void Redraw() const;
  void SetPinOpen(int index);
  void SetPinConnected(int index);
  bool HasOpenPin() const;
  void DrawPinMark(int index, pf::Dc& dc) const;
  void DrawName(pf::Dc& dc) const;
  // LaTeX picture units (1 mm = 5 view units, y up) relative to the LaTeX origin.
  Point ToLatexPoint(const Point& p) const;

  // The symbol's state, read and written by the document, the view and the exporters.
  pf::View* view = nullptr;
  // The circuit that holds the symbol, kept by it: a circuit read without a view (the command
  // line, a sub-circuit) still answers what its symbols ask of it.
  const pf::Document* document = nullptr;
  int32_t version = 1;
  int32_t pinCount = 4;
  int32_t selected = 0;
  int32_t transparent = 0;
  int32_t settingA = 0;
  int32_t settingB = 0;
  int32_t drawLeads = 1;
  int32_t drawPinMarks = 1;
  int32_t drawCornerLine = 1;
  int32_t settingC = 1;
  int32_t horizontal = 1;
  int32_t settingD = 0;
  int32_t workFlag = 0;
  int32_t allowsNetworkAnalyser = 1;
  int32_t groundFree = 1;
  int32_t fixedOrientation = 0;
  char orientation = 'K';
  int32_t breadth = 10;
  int32_t length = 20;
  int32_t span = 0;
  int32_t width = 20;
  int32_t height = 10;
  Point centre;
  std::array<Point, kMaxPins> pins;
  LPoint layoutOrigin;
  int32_t layoutPlaced = 0;
  MyStrng aperture;
  char layer = 'T';
  std::array<RgbColor, kMaxPins> pinColours;
  std::array<int32_t, kMaxPins> nodes{};
  int32_t pinSpacing = kGridSpacing;
  Point latexOrigin;
  MyStrng netLine;
  MyStrng spareText;
  MyStrng elementName = "NO_NAME";
  MyStrng modelName = "NoModell";
  MyStrng classKey;
  std::array<FloatWert, 4> values{FloatWert("270.0"), FloatWert("0.0"), FloatWert("0.0"),
                                  FloatWert("0.0")};
  std::unique_ptr<pf::Bitmap> bitmap;

 protected:
  // Pin 2 moves away from pin 1 until the body fits between them (not for wires).
  void AdjustSecondPin();
  // The body rectangle: length along the pin axis, breadth across it.
  pf::Rect BodyRect() const;
  // Width and height := twice the largest distance from the centre to a used pin.
  void ExtentFromPins();
  // The two leads along the pin axis from the ends of the span to the body, half the body
  // long from the centre; either may be left out.
  void DrawAxialLeads(pf::Dc& dc, bool vertical, int32_t halfBody, bool first, bool second) const;
  // The used pins, whatever the pin count field says.
  int UsedPins() const;
};
