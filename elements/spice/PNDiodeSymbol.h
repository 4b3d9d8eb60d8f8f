#pragma once
// The semiconductor diode: for the built-in simulator an "HLD" line with IS, N and RS; for SPICE
// a line naming a .MODEL of type D from the circuit's library, or, while no model is chosen or
// the circuit has no library, a card of its own values named NAME_MOD. With a chosen model the
// built-in line, too, takes IS, N and RS from that card. The temperature To lives in the base's
// general value (values[0]).

#include <optional>
#include <tuple>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/MultiPolSymbol.h"

class PNDiodeSymbol : public MultiPolSymbol {
 public:
  static constexpr const char* kClassKey = "PNDiodeSymbol";

  PNDiodeSymbol();
  PNDiodeSymbol(const Point& start, const Point& end);

  // The multi-pole record, then the 21 values in the order of Values(); a value that gives no
  // finite number fails the load.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int flag) override;
  // The library's card of the chosen model; without a chosen model or without a library in
  // the circuit the card of its own values, named NAME_MOD.
  void WriteSpiceModel(const SpiceLibrary* library, LineFile& lines) override;
  bool UsesSpiceModel() const override { return true; }
  MyStrng SpiceModelName() const override;
  // Without a library the four-page sheet; with one the model list, or the chosen model's card
  // with the values that the built-in line takes from it.
  bool EditDialog(pf::Window* parent) override;
  // Reports and writes no line where BuiltInJunction refuses.
  void WriteNetLine() override;

  // What the built-in line gives the simulator.
  struct Junction {
    StromWert is;
    FloatWert n;
    ResWert rs;

    // "IS = ... NE = ... RS = ...".
    MyStrng Text() const;
  };
  // The symbol's own values (also without a library), or with a chosen model those of its card
  // in the library, with
  // SPICE's defaults (IS 1e-14 A, N 1, RS 0) for the ones the card leaves out; the card's other
  // parameters are SPICE's alone. None when the library lacks the model or the card's IS (at
  // least 1e-25 A, the finest the line carries) or N is not a positive number or its RS not one
  // of at least 0; refusal then says why.
  std::optional<Junction> BuiltInJunction(const SpiceLibrary* library, MyStrng& refusal) const;

  FloatWert& To() { return values[0]; }

  // In the archive's order.
  auto Values() {
    return std::tie(is, n, rs, xti, eg, isr, nr, vj, m, bv, ibv, nbv, tt, cj0, spare[0], spare[1],
                    spare[2], spare[3], spare[4], spare[5], spare[6]);
  }

  StromWert is{1e-14};
  FloatWert n{1.5};
  ResWert rs{1.0};
  FloatWert xti{3.0};
  FloatWert eg{1.1};  // edited on no page
  StromWert isr{1e-9};
  FloatWert nr{2.0};
  SpanWert vj{1.0};
  FloatWert m{0.5};
  SpanWert bv{1000.0};
  StromWert ibv{1e-10};
  FloatWert nbv{1.0};
  TimWert tt{0.0025};
  CapWert cj0{1e-12};
  // Archived, read by nothing.
  FloatWert spare[7]{FloatWert(0.0), FloatWert(0.0), FloatWert(0.0), FloatWert(0.0),
                     FloatWert(0.0), FloatWert(0.0), FloatWert(1.0)};
};
