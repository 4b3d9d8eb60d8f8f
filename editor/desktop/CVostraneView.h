#pragma once
// The schematic view of a circuit: the placement grid and the document's symbols. A drag from a
// free grid point places the chosen element, a click selects a symbol, a second click opens its
// dialog, a drag moves it and Entf deletes it. New symbols start with the values last given to a
// symbol of their class (prototypes). The view also runs the program's timer, which advances
// analyses and closes the splash and error windows.

#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "basics/GitPointGrid.h"
#include "basics/LineFile.h"
#include "basics/Point.h"
#include "editor/desktop/AnalysisRuns.h"
#include "editor/desktop/SynthesisSettings.h"
#include "pf/gdi.h"
#include "pf/view.h"

class CVostraneDoc;
class CVostraneView;
class NetSymbol;

namespace pf {
struct CmdUI;
}

// A command of the circuit view that neither places nor edits symbols: its handler and, where
// it is not always enabled, its enabling rule.
struct ViewCommand {
  int id;
  void (*run)(CVostraneView& view);
  // Null: always enabled.
  void (*update)(CVostraneView& view, pf::CmdUI& ui);
};

class CVostraneView : public pf::ScrollView {
 public:
  static constexpr unsigned kTimerPeriodMs = 500;
  static constexpr int kGridSpacing = GitPointGrid::kSpacing;
  // Wires and grounds need one grid step of drag, every other element two.
  static constexpr int kShortClickMode = 1;
  static constexpr int kLongClickMode = 2;

  // The view's commands (ViewCommands.h and those of the libraries above, such as the filter
  // synthesis), added at program start; views made afterwards map them, and a command added
  // again replaces the earlier one.
  static void AddCommands(std::span<const ViewCommand> commands);
  // Enables an element type's command (the type is the command's offset from the first); until
  // one is set every element command is enabled.
  using ElementRule = void (*)(CVostraneView& view, int type, pf::CmdUI& ui);
  static void SetElementRule(ElementRule rule);

  // Maps the element, delete and cut commands and the added ones.
  CVostraneView();
  ~CVostraneView() override;

  CVostraneDoc* GetDocument() const;

  void OnInitialUpdate() override;
  // Another window of the circuit changed it (sender set): the grid and the selection follow
  // the document.
  void OnUpdate(pf::View* sender, long hint) override;
  void OnDraw(pf::Dc& dc) override;
  void OnActivateView(bool activate, pf::View* activated, pf::View* deactivated) override;
  bool OnPreparePrinting(pf::PrintInfo& info) override;
  void OnPrint(pf::Dc& dc, pf::PrintInfo& info) override;

  // The element that the next drag places, and the drag it needs.
  int GetElementType() const { return elementType; }
  void SetElementType(int type);
  int GetClickMode() const { return clickMode; }

  NetSymbol* GetSelected() const { return selected; }
  const GitPointGrid& GetGrid() const { return grid; }

  // The chosen element's symbol from band start to band end; null (after the message) for a
  // type that has no symbol.
  std::unique_ptr<NetSymbol> CreateSymbol(const Point& start, const Point& end) const;
  // The new symbol takes the parameters of its class's prototype, if there is one.
  void ApplyPrototype(NetSymbol& symbol) const;
  // The symbol's parameters become its class's prototype.
  void StorePrototype(const NetSymbol& symbol);
  // A symbol made without a gesture (a calculator's) joins the circuit as a placed one does,
  // without its dialog: it becomes its class's prototype and takes its grid area.
  void InsertSymbol(std::unique_ptr<NetSymbol> symbol);
  // The start of a free horizontal run of length (logical units, a multiple of the grid step)
  // with a free grid row above and below it: the first below the circuit, else the first from
  // the top; none when the grid is full.
  std::optional<Point> FreePlaceBelowCircuit(int length) const;
  // A symbol that came into the document without a gesture (synthesis) takes its grid area.
  void OccupySymbol(const NetSymbol& symbol);
  // Empties the document's list without deleting the symbols (synthesis takes them over).
  void ClearDocumentList();
  // A symbol about to leave the document without a gesture (synthesis) frees its grid area and
  // is no longer selected.
  void ReleaseSymbol(const NetSymbol& symbol);

  SynthesisSettings& Synthesis() { return synthesis; }

  // The symbol's parameter dialog, as a second click on it opens it.
  void OpenSymbol(NetSymbol& symbol);
  // Does nothing without a selection or while an analysis runs.
  void DeleteSelection();

  // The built-in runs that the instruments start and the view's timer advances.
  AnalysisRuns& Analysis() { return runs; }
  // The last LaTeX copy of the circuit.
  LineFile& GetLatexLines() { return latexLines; }

 protected:
  void OnLButtonDown(unsigned flags, pf::Point p) override;
  void OnMouseMove(unsigned flags, pf::Point p) override;
  void OnLButtonUp(unsigned flags, pf::Point p) override;
  void OnKeyDown(int key, unsigned modifiers) override;
  void OnTimer(int id) override;
  // The symbols go on repainting their pin marks through a window of the circuit that stays.
  void OnDestroy() override;

 private:
  // The band is drawn dotted from start to end; its redraw area is its box grown by 3.
  pf::Rect BandArea() const;
  void InvalidateLogical(const pf::Rect& r);
  void Deselect();
  void PlaceSymbol(std::unique_ptr<NetSymbol> symbol);
  void FinishMove();
  void Occupy(const NetSymbol& symbol);
  // The other windows of the circuit hear of a change made here.
  void DocumentChanged();

  GitPointGrid grid;
  int elementType = 0;
  int clickMode = kShortClickMode;
  int pressed = 0;
  int moveMode = 0;  // 0: rubber band for a new element, 1: select and move
  char drawMode = 'S';
  NetSymbol* selected = nullptr;

  // A move: the outline follows the mouse on the grid.
  pf::Rect outline;
  bool outlineVisible = false;
  bool dragging = false;
  bool firstMove = true;
  Point moveOffset;
  Point grabOffset;
  Point referencePin;

  // The rubber band of a new element.
  Point bandStart;
  Point bandEnd;
  bool bandVisible = false;
  pf::Pen dottedPen{pf::PenStyle::Dot, 1, pf::Rgb(7, 0, 0)};

  AnalysisRuns runs{*this};

  // The LaTeX copy of the circuit.
  LineFile latexLines;

  // At most one per class key.
  std::vector<std::unique_ptr<NetSymbol>> prototypes;
  // Set after every dialog; instrument windows hide on deactivation while it is set.
  int instrumentRefresh = 1;

  SynthesisSettings synthesis;
};
