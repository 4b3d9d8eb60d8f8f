#include "editor/symbols/NetSymbol.h"

#include <algorithm>
#include <cstdlib>
#include <istream>
#include <map>
#include <ostream>
#include <string>

#include "basics/GitPointGrid.h"
#include "basics/LineFile.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/SymbolText.h"
#include "formats/GerberPlotFile.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "pf/ui_services.h"
#include "pf/view.h"

using pf::Object;
PF_IMPLEMENT_SERIAL(NetSymbol, Object, 1)

namespace {

const RgbColor kOpenPin(255, 0, 0);
const RgbColor kConnectedPin(0, 0, 0);

// No schematic comes near this; larger coordinates or sizes in a file mean it is damaged, and
// keeping them out keeps the geometry's integer arithmetic from overflowing.
constexpr int32_t kMaxCoordinate = 1 << 20;

constexpr const char* kRuler = "*---------0---------0---------0---------0";

bool IsOrientation(char c) { return c == 'R' || c == 'L' || c == 'O' || c == 'U' || c == 'K'; }

bool InRange(int32_t v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; }

// The fields a stored symbol must have before anything uses them; null when they are sound.
struct StoredShape {
  int32_t pinCount;
  char orientation;
  int32_t pinSpacing;
  std::array<int32_t, 5> sizes;  // breadth, length, span, width, height
  Point centre;
  const std::array<Point, NetSymbol::kMaxPins>& pins;
};

const char* Fault(const StoredShape& s) {
  if (s.pinCount < 1 || s.pinCount > NetSymbol::kMaxPins) return "symbol pin count";
  if (!IsOrientation(s.orientation)) return "symbol orientation";
  if (s.pinSpacing != NetSymbol::kGridSpacing) return "symbol pin spacing";
  if (!std::all_of(s.sizes.begin(), s.sizes.end(), InRange)) return "symbol size";
  if (!InRange(s.centre.x) || !InRange(s.centre.y)) return "symbol centre";
  for (int i = 0; i < s.pinCount; ++i) {
    if (!InRange(s.pins[i].x) || !InRange(s.pins[i].y)) return "symbol pin position";
  }
  return nullptr;
}

pf::ColorRef RefOf(const RgbColor& c) {
  return pf::Rgb(static_cast<uint8_t>(c.r), static_cast<uint8_t>(c.g), static_cast<uint8_t>(c.b));
}

bool SameColour(const RgbColor& a, const RgbColor& b) {
  return a.r == b.r && a.g == b.g && a.b == b.b;
}

// Symbols live in drawing coordinates; a scrolled view shows them shifted by its position.
void InvalidateDrawing(pf::Window* window, const pf::Rect& r) {
  if (window == nullptr) return;
  const auto* scrolled = dynamic_cast<const pf::ScrollView*>(window);
  window->InvalidateRect(scrolled != nullptr ? scrolled->LogicalToClient(r) : r);
}

// Marks a pin and repaints the little square around it.
void SetPinColour(NetSymbol& s, int index, const RgbColor& colour) {
  if (index < 0 || index >= NetSymbol::kMaxPins) return;
  s.pinColours[index] = colour;
  const Point& p = s.pins[index];
  InvalidateDrawing(s.view, {p.x - 3, p.y - 3, p.x + 3, p.y + 3});
}

}  // namespace

NetSymbol::NetSymbol() : NetSymbol(4) {}

NetSymbol::NetSymbol(int32_t count) : pinCount(count) {
  for (int i = 0; i < UsedPins(); ++i) pinColours[i] = kOpenPin;
}

NetSymbol::~NetSymbol() = default;

int NetSymbol::UsedPins() const { return std::clamp(pinCount, 0, kMaxPins); }

void NetSymbol::Serialize(pf::Archive& ar) {
  classKey.Serialize(ar);
  if (ar.IsStoring()) {
    ar << version << pinCount << selected << transparent << settingA << settingB << drawLeads
       << drawPinMarks << drawCornerLine << settingC << horizontal << orientation << breadth
       << length << span << width << height << centre.x << centre.y << pinSpacing
       << fixedOrientation << groundFree << allowsNetworkAnalyser << settingD << layer;
  } else {
    int32_t count = 0;
    ar >> version >> count;
    if (count < 1 || count > kMaxPins) {
      throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "symbol pin count");
    }
    pinCount = count;
    ar >> selected >> transparent >> settingA >> settingB >> drawLeads >> drawPinMarks >>
        drawCornerLine >> settingC >> horizontal >> orientation >> breadth >> length >> span >>
        width >> height >> centre.x >> centre.y >> pinSpacing >> fixedOrientation >> groundFree >>
        allowsNetworkAnalyser >> settingD >> layer;
  }
  for (int i = 0; i < pinCount; ++i) {
    pins[i].Serialize(ar);
    pinColours[i].Serialize(ar);
    if (ar.IsStoring()) {
      ar << nodes[i];
    } else {
      ar >> nodes[i];
    }
  }
  elementName.Serialize(ar);
  modelName.Serialize(ar);
  for (FloatWert& value : values) value.Serialize(ar);
  if (ar.IsLoading()) {
    const char* fault = Fault(
        {pinCount, orientation, pinSpacing, {breadth, length, span, width, height}, centre, pins});
    if (fault != nullptr) throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, fault);
  }
}

int32_t NetSymbol::SnapToGrid(int32_t v) {
  const int64_t q = v / kGridSpacing;
  const int64_t lower = kGridSpacing * q;
  const int64_t upper = kGridSpacing * (q + 1);
  return static_cast<int32_t>(v - lower < upper - v ? lower : upper);
}

char NetSymbol::OrientationFromPins() const {
  if (orientation != 'K') return orientation;
  const Point& p1 = pins[0];
  const Point& p2 = pins[1];
  if (p1.y == p2.y) return p1.x < p2.x ? 'R' : 'L';
  return p1.y < p2.y ? 'U' : 'O';
}

void NetSymbol::AdjustSecondPin() {
  if (pinCount <= 1 || classKey == "VERBINDUNG" || pinSpacing <= 0) return;
  const Point& p1 = pins[0];
  Point& p2 = pins[1];
  const int64_t gap = int64_t{length} + pinSpacing;
  // Whole spacing steps until pin 2 is at least gap beyond pin 1 (sign 1) or before it (-1).
  auto push = [&](int32_t& moving, int32_t fixed, int sign) {
    const int64_t missing = sign * (int64_t{fixed} - moving) + gap;
    if (missing <= 0) return;
    const int64_t steps = (missing + pinSpacing - 1) / pinSpacing;
    moving = static_cast<int32_t>(
        std::clamp<int64_t>(moving + sign * steps * pinSpacing, INT32_MIN, INT32_MAX));
  };
  switch (orientation) {
    case 'R':
      push(p2.x, p1.x, 1);
      break;
    case 'L':
      push(p2.x, p1.x, -1);
      break;
    case 'U':
      push(p2.y, p1.y, 1);
      break;
    case 'O':
      push(p2.y, p1.y, -1);
      break;
    default:
      break;
  }
}

void NetSymbol::ExtentFromPins() {
  int32_t minX = 10000, maxX = 0, minY = 10000, maxY = 0;
  for (int i = 0; i < UsedPins(); ++i) {
    minX = std::min(minX, pins[i].x);
    maxX = std::max(maxX, pins[i].x);
    minY = std::min(minY, pins[i].y);
    maxY = std::max(maxY, pins[i].y);
  }
  width = 2 * std::max(maxX - centre.x, centre.x - minX);
  height = 2 * std::max(maxY - centre.y, centre.y - minY);
}

void NetSymbol::UpdateGeometry() {
  horizontal = pins[0].y == pins[1].y ? 1 : 0;
  orientation = OrientationFromPins();
  AdjustSecondPin();
  const Point& p1 = pins[0];
  const Point& p2 = pins[1];
  const int32_t dx = std::abs(p2.x - p1.x) + 2;
  const int32_t dy = std::abs(p2.y - p1.y) + 2;
  const int32_t minX = std::min(p1.x, p2.x);
  const int32_t minY = std::min(p1.y, p2.y);
  const bool alongX =
      fixedOrientation != 0 ? (orientation == 'L' || orientation == 'R') : horizontal != 0;
  if (alongX) {
    centre = Point(minX + (std::max(p1.x, p2.x) - minX) / 2, p1.y);
    width = dx;
    height = breadth + 2;
    span = dx;
  } else {
    centre = Point(p1.x, minY + (std::max(p1.y, p2.y) - minY) / 2);
    height = dy;
    width = fixedOrientation != 0 ? length + 2 : breadth + 2;
    span = dy;
  }
  if (fixedOrientation == 0 && pinCount >= 3) ExtentFromPins();
}

pf::Rect NetSymbol::BodyRect() const {
  const bool alongX = horizontal != 0 || fixedOrientation != 0;
  const int32_t halfX = (alongX ? length : breadth) / 2;
  const int32_t halfY = (alongX ? breadth : length) / 2;
  return {centre.x - halfX, centre.y - halfY, centre.x + halfX, centre.y + halfY};
}

void NetSymbol::Draw(pf::Dc& dc) {
  const pf::GdiObject oldBrush = dc.SelectStockObject(pf::StockObject::LightGrayBrush);
  const pf::Rect body = BodyRect();
  if (transparent == 0) dc.FillRect(body, dc.GetBrush());
  if (drawCornerLine != 0) {
    dc.MoveTo(body.left, body.bottom);
    dc.LineTo(body.right, body.bottom);
    dc.LineTo(body.right, body.top);
  }
  dc.SelectObject(oldBrush);
  if (drawPinMarks != 0) {
    for (int i = 0; i < UsedPins(); ++i) DrawPinMark(i, dc);
  }
  if (selected != 0) dc.DrawFocusRect(GetRect());
}

void NetSymbol::DrawAxialLeads(pf::Dc& dc, bool vertical, int32_t halfBody, bool first,
                               bool second) const {
  const int32_t halfSpan = span / 2;
  auto lead = [&](int sign) {
    if (vertical) {
      dc.MoveTo(centre.x, centre.y + sign * halfSpan);
      dc.LineTo(centre.x, centre.y + sign * halfBody);
    } else {
      dc.MoveTo(centre.x + sign * halfSpan, centre.y);
      dc.LineTo(centre.x + sign * halfBody, centre.y);
    }
  };
  if (first) lead(-1);
  if (second) lead(1);
}

void NetSymbol::WriteLatex(LineFile& lines) { lines.AddLine(MyStrng("% ") + classKey); }

int NetSymbol::WriteSpiceLines(LineFile&, int flag) {
  netLine = elementName + " ";
  return flag;
}

void NetSymbol::WriteSpiceModel(const SpiceLibrary*, LineFile&) {}
void NetSymbol::WriteSpiceControl(LineFile&) {}
bool NetSymbol::UsesSpiceModel() const { return false; }
void NetSymbol::ReadSpiceResults(SpiceManager&) {}
void NetSymbol::CopyParameters(const NetSymbol&) {}
void NetSymbol::ReloadBitmap() {}

namespace {

std::map<std::string, NetSymbol::DialogRunner>& InstalledDialogs() {
  static std::map<std::string, NetSymbol::DialogRunner> dialogs;
  return dialogs;
}

}  // namespace

void NetSymbol::InstallDialog(const char* classKey, DialogRunner runner) {
  InstalledDialogs()[classKey] = runner;
}

bool NetSymbol::EditDialog(pf::Window* parent) {
  const auto it = InstalledDialogs().find(classKey.ToCString());
  if (it != InstalledDialogs().end()) return it->second(*this, parent);
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().MessageBox("Dialog des Elementes nicht implementiert", "Achtung",
                                 pf::MsgButtons::Ok, pf::MsgIcon::None);
  return true;
}

MyStrng NetSymbol::GetClassKey() const { return classKey; }
void NetSymbol::SetPortName(const MyStrng&) {}
MyStrng NetSymbol::GetElementName() const { return elementName; }
int NetSymbol::GetExtraLineCount() const { return 0; }
MyStrng NetSymbol::GetExtraLine(int) const { return "noLine"; }
void NetSymbol::ClearExtraLines() {}

Point NetSymbol::GetPinPosition(int index) const {
  return (index >= 0 && index < kMaxPins) ? pins[index] : pins[0];
}

void NetSymbol::WriteNetLine() {
  // Fixed orders write every node, ground included; the rest leave ground out.
  auto fixed = [this](std::initializer_list<int> order) {
    for (int pin : order) netLine += MyStrng(" ") + MyStrng(nodes[pin - 1]);
  };
  if (pinCount == 3) {
    if (classKey == "MICTEE" || classKey == "MslTeeSymbol" || classKey == "CCoplanarCrossSymbol" ||
        classKey == "MslToSlotSymbol") {
      fixed({1, 2, 3});
    } else if (classKey == "OPAMPLIFIER") {
      fixed({1, 3, 2});
    } else {
      fixed({1, 3, 2, 3});
    }
  } else if (pinCount == 4 && classKey == "TRANSFORMATOR") {
    fixed({1, 3, 2, 4});
  } else if (pinCount == 4 && classKey == "MICCOUPLEDLINE") {
    fixed({1, 3, 4, 2});
  } else {
    for (int i = 0; i < UsedPins(); ++i) {
      if (nodes[i] != 0) netLine += MyStrng(" ") + MyStrng(nodes[i]);
    }
  }
}

int NetSymbol::GetPinCount() const { return pinCount; }

std::ostream& NetSymbol::WriteText(std::ostream& os) {
  for (int32_t v : {pinCount, selected, transparent, settingA, settingB, drawLeads, drawPinMarks,
                    drawCornerLine, settingC, horizontal}) {
    os << v << ' ';
  }
  os << orientation << ' ' << breadth << ' ' << length << ' ' << span << ' ' << width << ' '
     << height << ' ' << centre.x << ' ' << centre.y << '\n';
  for (int i = 0; i < UsedPins(); ++i) os << pins[i] << ' ' << nodes[i] << '\n';
  return os << pinSpacing << '\n' << kRuler << '\n';
}

std::istream& NetSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  std::array<int32_t, 10> flags{};
  char letter = 0;
  std::array<int32_t, 5> sizes{};
  Point middle;
  std::array<Point, kMaxPins> at = pins;
  std::array<int32_t, kMaxPins> nodeAt = nodes;
  int32_t spacing = 0;
  for (int32_t& v : flags) TakeValue(is, v);
  TakeValue(is, letter);
  for (int32_t& v : sizes) TakeValue(is, v);
  TakeValue(is, middle.x);
  TakeValue(is, middle.y);
  const int32_t count = flags[0];
  if (!is || count < 1 || count > kMaxPins) {
    is.setstate(std::ios::failbit);
    return is;
  }
  for (int i = 0; i < count; ++i) {
    TakeValue(is, at[i]);
    TakeValue(is, nodeAt[i]);
  }
  TakeValue(is, spacing);
  for (int i = 0; i <= 41 && is; ++i) is.get();  // the ruler and its line feed, unchecked
  if (!is || Fault({count, letter, spacing, sizes, middle, at}) != nullptr) {
    is.setstate(std::ios::failbit);
    return is;
  }
  pinCount = count;
  selected = flags[1];
  transparent = flags[2];
  settingA = flags[3];
  settingB = flags[4];
  drawLeads = flags[5];
  drawPinMarks = flags[6];
  drawCornerLine = flags[7];
  settingC = flags[8];
  horizontal = flags[9];
  orientation = letter;
  breadth = sizes[0];
  length = sizes[1];
  span = sizes[2];
  width = sizes[3];
  height = sizes[4];
  centre = middle;
  pins = at;
  nodes = nodeAt;
  pinSpacing = spacing;
  return is;
}

bool NetSymbol::SetParameter(const MyStrng&, float) { return false; }
char NetSymbol::SetCharParameter(const MyStrng&, char) { return 0; }
double NetSymbol::GetParameter(const MyStrng&) const { return 0.0; }

void NetSymbol::MoveBy(pf::Window* window, const Point& delta) {
  InvalidateArea(window);
  centre += delta;
  for (int i = 0; i < UsedPins(); ++i) pins[i] += delta;
  InvalidateArea(window);
}

int NetSymbol::GetNetLineLength() const { return netLine.GetLength(); }
bool NetSymbol::IsSubCircuit() const { return false; }
bool NetSymbol::IsInstrument() const { return false; }
bool NetSymbol::IsDataItem() const { return false; }
void NetSymbol::SetView(pf::View* owner) { view = owner; }

void NetSymbol::SetOrigin(const Point&, const LPoint& layout) {
  layoutOrigin = layout;
  layoutPlaced = 1;
}

void NetSymbol::VisitPins(std::vector<DoublePoint>& list) const {
  for (int i = 0; i < UsedPins(); ++i) list.emplace_back(pins[i], layoutOrigin);
}

void NetSymbol::WriteGerber(GerberPlotFile& layerFile) const { layerFile.SelectAperture(aperture); }

Point NetSymbol::GetPinPoint(int index) const {
  return (index >= 0 && index < UsedPins()) ? pins[index] : pins[0];
}

bool NetSymbol::HasPinAt(const Point& p) const {
  for (int i = 0; i < UsedPins(); ++i) {
    if (pins[i] == p) return true;
  }
  return false;
}

bool NetSymbol::SharesPinWith(const NetSymbol& other) const {
  if (&other == this) return false;
  for (int i = 0; i < UsedPins(); ++i) {
    if (other.HasPinAt(pins[i])) return true;
  }
  return false;
}

bool NetSymbol::Contains(const Point& p) const {
  return std::abs(p.x - centre.x) <= width / 2 && std::abs(p.y - centre.y) <= height / 2;
}

pf::Rect NetSymbol::GetRect() const {
  return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2, centre.y + height / 2};
}

void NetSymbol::ReleasePins(GitPointGrid& grid) const {
  for (int i = 0; i < UsedPins(); ++i) grid.ReleaseAt(pins[i]);
}

void NetSymbol::InvalidateArea(pf::Window* window) const {
  const pf::Rect r = GetRect();
  InvalidateDrawing(window, {r.left - 2, r.top - 2, r.right + 2, r.bottom + 2});
}

void NetSymbol::Redraw() const { InvalidateArea(view); }

void NetSymbol::SetPinOpen(int index) { SetPinColour(*this, index, kOpenPin); }

void NetSymbol::SetPinConnected(int index) { SetPinColour(*this, index, kConnectedPin); }

bool NetSymbol::HasOpenPin() const {
  // A slot beyond the pin count keeps the colour of a pin that it no longer is (a stub).
  return std::any_of(pinColours.begin(), pinColours.begin() + UsedPins(),
                     [](const RgbColor& c) { return SameColour(c, kOpenPin); });
}

void NetSymbol::DrawPinMark(int index, pf::Dc& dc) const {
  if (index < 0 || index >= kMaxPins) return;
  const pf::ColorRef colour = RefOf(pinColours[index]);
  const pf::Pen oldPen = dc.SelectObject(pf::Pen{pf::PenStyle::Solid, 1, colour});
  const pf::Brush oldBrush = dc.SelectObject(pf::Brush{pf::BrushStyle::Solid, colour});
  const Point& p = pins[index];
  dc.Ellipse({p.x - 2, p.y - 2, p.x + 2, p.y + 2});
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

void NetSymbol::DrawName(pf::Dc& dc) const {
  const LabelFonts& fonts = TheLabelFonts();
  const bool upright = horizontal != 0 || fixedOrientation != 0;
  const pf::Font oldFont = dc.SelectObject(upright ? fonts.horizontal : fonts.vertical);
  const int32_t textHeight = elementName.GetTextHeight(&dc);
  if (upright) {
    elementName.DrawText(&dc, centre.x, centre.y - breadth / 2 + textHeight, 'C');
  } else {
    elementName.DrawVertical(&dc, centre.x - breadth / 2 + textHeight, centre.y);
  }
  dc.SelectObject(oldFont);
}

Point NetSymbol::ToLatexPoint(const Point& p) const {
  return Point((p.x - latexOrigin.x) / 5, (latexOrigin.y - p.y) / 5);
}
