// make-examples: draws circuits through the document, as the editor places them, and saves them as
// circuit files: examples/lc_lowpass.vqe, examples/resonator.vqe and
// examples/microstrip_lowpass.vqe (the circuits of the netlists of the same names),
// examples/vna_lowpass.vqe (the low-pass measured by a two-port network analyser), the sub-circuits
// examples/pi_section.vqe and examples/resonator_twoport.vqe (the resonator between external
// nodes), the drawn circuits of the SPICE cross-check in tools/crosscheck/drawn/ and
// tools/crosscheck/spice/, the twins of the first measured by a two-port or one-port network
// analyser in tools/crosscheck/drawn/analyser/, app/cli/tests/ui/microstrip_parts.vqe and
// slot_parts.vqe, the line parts without a substrate for the dialog scripts,
// app/cli/tests/ui/no_source.vqe (a sub-circuit symbol without a source),
// app/cli/tests/ui/diode_plot.vqe (the diode's circuit with the plotter), and the line circuits of
// app/cli/tests/lines/ (the circuits of the netlists of the same names). Every circuit is a ladder
// from an input port (or external node 1) to an output marker (or external node 2) over a ground
// rail; parts lie between grid points 100 apart, so none moves a pin, and the input port's body
// starts a half step inside the grid, so the whole drawing shows in the window.
// Usage: make-examples REPOSITORY-ROOT

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>

#include "app/startup/RegisterAll.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/InpSymbol.h"
#include "editor/symbols/OutSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "elements/data/UserNetSymbol.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "elements/spice/SpiceLibSymbol.h"
#include "elements/spice/SpiceModelSymbols.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/PlotterSymbol.h"
#include "instruments/ui/SpeakerSymbol.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "instruments/ui/generators/AudioSourceSymbol.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/SlotSymbols.h"

namespace {

constexpr int kStep = 100;
constexpr int kTop = 100;     // the signal rail
constexpr int kBottom = 200;  // the ground rail

// How the ladders with a port are measured: by their input port and output marker, or by a
// network analyser at their ends (the twins of the analyser's cross-check).
enum class Ends { Ports, TwoPortAnalyser, OnePortAnalyser };
Ends ends = Ends::Ports;

// Column -1 holds the input port.
Point Top(int column) { return Point(kStep * (column + 2), kTop); }
Point Bottom(int column) { return Point(kStep * (column + 2), kBottom); }

bool SaveCircuit(CVostraneDoc& doc, const std::filesystem::path& path, bool ok) {
  if (ok && doc.OnSaveDocument(path.string())) return true;
  std::fprintf(stderr, "nicht geschrieben: %s\n", path.string().c_str());
  return false;
}

class Ladder {
 public:
  // The input port in front of column 0, fed through a wire; without a port name the ladder
  // is a sub-circuit between the external nodes 1 and 2, with an empty one it is fed by a
  // generator placed later. Measured, the ladder's ends are the
  // network analyser's two ports instead, reached by wires over the ladder.
  Ladder(const char* title, const char* port, bool measured = false) {
    doc.SetTitle(title);
    subCircuit = port == nullptr;
    analyser = measured || (port != nullptr && ends != Ends::Ports);
    if (analyser || (port != nullptr && *port == '\0')) {
      // Nothing at the input: the wire from the analyser or a generator ends there.
    } else if (port != nullptr) {
      auto& input = Put<InpSymbol>(Top(-1), Top(-1) - Point(kStep / 2, 0));
      input.settings.portName = port;
      input.settings.mode = 2;
    } else {
      Put<ExKnotenSymbol>(Top(-1), Top(-1) - Point(kStep / 2, 0)).portNumber = 1;
    }
    Wire(Top(-1), Top(0));
  }

  template <class S>
  S& Put(const Point& a, const Point& b) {
    S& s = Free<S>(a, b);
    ok = ok && s.pins[0] == a && (s.GetPinCount() < 2 || s.pins[1] == b);
    return s;
  }
  // A symbol whose pins need not lie on the given points: one left unconnected.
  template <class S>
  S& Free(const Point& a, const Point& b) {
    auto* s = new S(a, b);
    s->UpdateGeometry();
    doc.AddSymbol(s);
    return *s;
  }
  template <class S>
  S& Shunt(int column) {
    return Put<S>(Top(column), Bottom(column));
  }
  template <class S>
  S& Series(int column) {
    return Put<S>(Top(column), Top(column + 1));
  }
  void Wire(const Point& a, const Point& b) { Put<Verbindung>(a, b); }

  // The output marker (external node 2) behind the last column, the ground rail under all
  // columns, and the file.
  bool Save(const std::filesystem::path& path, int lastColumn) {
    const Point end = Top(lastColumn + 1);
    Wire(Top(lastColumn), end);
    if (analyser) {
      const Point in = Top(-1);
      const Point over(in.x, kTop - kStep / 2);
      const Point port2(in.x + kStep, over.y);
      Wire(in, over);
      auto& vna = Put<VecNetAnaSymbol>(over, port2);
      // A one-port analyser leaves the far end open.
      if (ends == Ends::OnePortAnalyser) {
        vna.SetPortCount(1);
      } else {
        Wire(port2, Point(end.x, over.y));
        Wire(Point(end.x, over.y), end);
      }
    } else if (subCircuit) {
      Put<ExKnotenSymbol>(end, end + Point(kStep / 2, 0)).portNumber = 2;
    } else {
      Put<OutSymbol>(end, end + Point(kStep / 2, 0));
    }
    for (int c = 0; c < lastColumn; ++c) Wire(Bottom(c), Bottom(c + 1));
    Put<GndSymbol>(Bottom(0), Bottom(0) + Point(0, kStep / 2));
    return SaveCircuit(doc, path, ok);
  }

  CVostraneDoc doc;
  bool subCircuit = false;
  bool analyser = false;
  bool ok = true;
};

template <class S>
void Resonance(S& s, const char* f0, const char* zk, double q) {
  s.f0 = f0, s.zk = zk, s.q = FloatWert(q);
}

// Fifth-order Butterworth low-pass, 1 GHz, 50 ohm.
bool ButterworthLowpass(Ladder& d, const std::filesystem::path& path) {
  d.Shunt<CapSymbol>(0).c = "1.967pF";
  d.Series<IndSymbol>(0).l = "12.88nH";
  d.Wire(Top(1), Top(2));
  d.Shunt<CapSymbol>(2).c = "6.366pF";
  d.Series<IndSymbol>(2).l = "12.88nH";
  d.Shunt<CapSymbol>(3).c = "1.967pF";
  return d.Save(path, 3);
}

bool LcLowpass(const std::filesystem::path& path) {
  Ladder d("lc_lowpass.vqe", "TIEFPASS");
  return ButterworthLowpass(d, path);
}

// The same low-pass between the ports of the network analyser.
bool VnaLowpass(const std::filesystem::path& path) {
  Ladder d("vna_lowpass.vqe", "TIEFPASS", true);
  return ButterworthLowpass(d, path);
}

// Three coupled resonators at 1 GHz.
bool CoupledResonators(Ladder& d, const std::filesystem::path& path) {
  Resonance(d.Shunt<PrlcSymbol>(0), "1GHz", "5ohm", 200);
  Resonance(d.Series<SrlcSymbol>(0), "1GHz", "500ohm", 200);
  Resonance(d.Shunt<PrlcSymbol>(1), "1GHz", "5ohm", 200);
  return d.Save(path, 1);
}

bool Resonator(const std::filesystem::path& path) {
  Ladder d("resonator.vqe", "BANDPASS");
  return CoupledResonators(d, path);
}

// The same resonators between external nodes, to be placed as a sub-circuit.
bool ResonatorTwoPort(const std::filesystem::path& path) {
  Ladder d("resonator_twoport.vqe", nullptr);
  return CoupledResonators(d, path);
}

// The 10 dB pi attenuator, 50 ohm.
bool PiNetwork(Ladder& d, const std::filesystem::path& path) {
  d.Shunt<ResSymbol>(0).r = "96.25ohm";
  d.Series<ResSymbol>(0).r = "71.15ohm";
  d.Shunt<ResSymbol>(1).r = "96.25ohm";
  return d.Save(path, 1);
}

// The same attenuator as a sub-circuit, for the netlist export.
bool PiSection(const std::filesystem::path& path) {
  Ladder d("pi_section.vqe", nullptr);
  return PiNetwork(d, path);
}

bool RcLadder(const std::filesystem::path& path) {
  Ladder d("rc_ladder.vqe", "RCKETTE");
  d.Series<ResSymbol>(0).r = "100ohm";
  d.Shunt<CapSymbol>(1).c = "10pF";
  d.Series<ResSymbol>(1).r = "220ohm";
  d.Shunt<CapSymbol>(2).c = "4.7pF";
  return d.Save(path, 2);
}

bool PiAttenuator(const std::filesystem::path& path) {
  Ladder d("pi_attenuator.vqe", "DAEMPFER");
  return PiNetwork(d, path);
}

bool TNetwork(const std::filesystem::path& path) {
  Ladder d("t_network.vqe", "TGLIED");
  d.Series<ResSymbol>(0).r = "33ohm";
  d.Shunt<ResSymbol>(1).r = "68ohm";
  d.Series<ResSymbol>(1).r = "150ohm";
  return d.Save(path, 2);
}

// Third-order high-pass, 1 GHz, 50 ohm.
bool LcHighpass(const std::filesystem::path& path) {
  Ladder d("lc_highpass.vqe", "HOCHPASS");
  d.Series<CapSymbol>(0).c = "3.183pF";
  d.Shunt<IndSymbol>(1).l = "3.979nH";
  d.Series<CapSymbol>(1).c = "3.183pF";
  return d.Save(path, 2);
}

bool CrystalSeries(const std::filesystem::path& path) {
  Ladder d("crystal_series.vqe", "QUARZFILTER");
  auto& q = d.Series<QuarzSymbol>(0);
  q.fs = "10MHz", q.fd = "25kHz", q.zk = "632kohm", q.q = FloatWert(10000.0);
  d.Shunt<ResSymbol>(1).r = "1kohm";
  return d.Save(path, 1);
}

bool Notch(const std::filesystem::path& path) {
  Ladder d("notch.vqe", "SPERRE");
  d.Series<ResSymbol>(0).r = "10ohm";
  Resonance(d.Shunt<SrlcSymbol>(1), "500MHz", "50ohm", 40);
  return d.Save(path, 1);
}

bool Bandstop(const std::filesystem::path& path) {
  Ladder d("bandstop.vqe", "BANDSPERRE");
  Resonance(d.Series<PrlcSymbol>(0), "2GHz", "100ohm", 25);
  d.Shunt<CapSymbol>(1).c = "1pF";
  return d.Save(path, 1);
}

// A through between the external nodes 1 and 2 with a capacitor at it: one wire joins both
// nodes, which keep their numbers.
bool ThroughShunt(const std::filesystem::path& path) {
  Ladder d("through_shunt.vqe", nullptr);
  d.Shunt<CapSymbol>(0).c = "10pF";
  d.Wire(Top(0), Top(1));
  return d.Save(path, 1);
}

// Line circuits need no wires: parts join pin to pin, each placed from its first pin towards
// the second.
struct LineCircuit {
  explicit LineCircuit(const char* title) { doc.SetTitle(title); }

  // The tee and the corner drawn from glyphs have no placing constructor (the element bar
  // places the bitmap ones): they get their pins as the loader gives them.
  template <class S>
  S& Place(const Point& a, const Point& b) {
    S* s = nullptr;
    if constexpr (std::is_constructible_v<S, Point, Point>) {
      s = new S(a, b);
    } else {
      s = new S();
      s->pins[0] = a, s->pins[1] = b;
    }
    s->UpdateGeometry();
    ok = ok && s->pins[0] == a;
    doc.AddSymbol(s);
    return *s;
  }
  template <class S>
  S& Place(const Point& a) {
    return Place<S>(a, a + Point(kStep / 2, 0));
  }

  CVostraneDoc doc;
  bool ok = true;
};

// The alumina board of the line circuits.
SubSymbol& Alumina(LineCircuit& d) {
  auto& board = d.Place<SubSymbol>(Bottom(1));
  board.substrateName = "ALU", board.permittivity = 9.8f, board.lossTangent = 2e-4f;
  board.height = 0.000635f, board.metalName = "Kupfer";
  return board;
}

// The stepped-impedance low-pass of seven microstrip lines on alumina, between the external
// nodes 1 and 2.
bool MicrostripLowpass(const std::filesystem::path& path) {
  LineCircuit d("microstrip_lowpass.vqe");
  // The board holds the filter's 31.36 mm with room at both ends.
  SubSymbol& board = Alumina(d);
  board.extentX = LaeWert("35mm");
  d.Place<ExKnotenSymbol>(Top(0), Top(0) - Point(kStep / 2, 0)).portNumber = 1;
  const struct {
    const char* w;
    const char* p;
  } kLines[] = {{"0.6mm", "5mm"},    {"3mm", "1.57mm"}, {"0.1mm", "6.57mm"}, {"3mm", "5.08mm"},
                {"0.1mm", "6.57mm"}, {"3mm", "1.57mm"}, {"0.6mm", "5mm"}};
  int column = 0;
  for (const auto& line : kLines) {
    auto& trl = d.Place<TrlSymbol>(Top(column), Top(column + 1));
    trl.w = line.w, trl.p = line.p, trl.substrate = "ALU";
    d.ok = d.ok && trl.pins[1] == Top(++column);
  }
  d.Place<ExKnotenSymbol>(Top(column)).portNumber = 2;
  return SaveCircuit(d.doc, path, d.ok);
}

// Every microstrip part and the coax, loose and without a substrate: the line Mic1, the stubs
// Sst1 and Ost1, then Cmp1 to Cmp9 in this order.
bool MicrostripParts(const std::filesystem::path& path) {
  LineCircuit d("microstrip_parts.vqe");
  d.Place<TrlSymbol>(Top(0));
  d.Place<SstSymbol>(Top(1));
  d.Place<OstSymbol>(Top(2));
  d.Place<MicTaperSymbol>(Top(3));
  d.Place<RadStubSymbol>(Top(4));
  d.Place<CplSymbol>(Top(5));
  d.Place<StepSymbol>(Top(6));
  d.Place<TeeSymbol>(Bottom(0) + Point(0, kStep));
  d.Place<MicCornerSymbol>(Bottom(1) + Point(0, kStep));
  d.Place<MslTeeSymbol>(Bottom(2) + Point(0, kStep));
  d.Place<MslCornerSymbol>(Bottom(4) + Point(0, kStep));
  d.Place<KoaxSymbol>(Bottom(6) + Point(0, kStep));
  return SaveCircuit(d.doc, path, d.ok);
}

// The alumina board, the external node 1 and a line S on the board from it to column 1.
template <class S>
S& LineFromPort1(LineCircuit& d) {
  Alumina(d);
  d.Place<ExKnotenSymbol>(Top(0), Top(0) - Point(kStep / 2, 0)).portNumber = 1;
  auto& line = d.Place<S>(Top(0), Top(1));
  line.substrate = "ALU";
  d.ok = d.ok && line.pins[1] == Top(1);
  return line;
}

// The external node 2 at the line's end, and the file.
bool SavePort2(LineCircuit& d, const std::filesystem::path& path) {
  d.Place<ExKnotenSymbol>(Top(1)).portNumber = 2;
  return SaveCircuit(d.doc, path, d.ok);
}

// One line S between the external nodes 1 and 2 on alumina.
template <class S>
bool LineBetweenPorts(const std::filesystem::path& path) {
  LineCircuit d(path.filename().string().c_str());
  LineFromPort1<S>(d);
  return SavePort2(d, path);
}

// The transition between the external nodes 1 and 2, its slot ended by a short-circuited
// slotline stub, its fourth pin (no node of the line) on ground.
bool SlotTransition(const std::filesystem::path& path) {
  LineCircuit d("slot_transition.vqe");
  auto& transition = LineFromPort1<MslToSlotSymbol>(d);
  const Point slot = transition.pins[2];
  auto& stub = d.Place<SlotLineSymbol>(slot, slot + Point(0, kStep / 2));
  stub.substrate = "ALU", stub.end = 'S', stub.pinCount = 1;
  stub.UpdateGeometry();
  const Point fourth = transition.pins[3];
  d.Place<GndSymbol>(fourth, fourth - Point(0, kStep / 4));
  return SavePort2(d, path);
}

// The slotline, coplanar and transition symbols, loose and without a substrate: Cmp1 to Cmp6.
bool SlotParts(const std::filesystem::path& path) {
  LineCircuit d("slot_parts.vqe");
  d.Place<SlotLineSymbol>(Top(0));
  d.Place<SltBendSymbol>(Top(2));
  d.Place<CCoplanarLineSymbol>(Top(4));
  d.Place<CCoplanarCrossSymbol>(Bottom(0) + Point(0, kStep));
  d.Place<CCoveredSlotLineSymbol>(Bottom(2) + Point(0, kStep));
  d.Place<MslToSlotSymbol>(Bottom(4) + Point(0, kStep));
  return SaveCircuit(d.doc, path, d.ok);
}

// The attenuator between external nodes with a sub-circuit symbol in its series branch that
// never took a source, as a damaged or foreign file may hold one.
bool NoSource(const std::filesystem::path& path) {
  Ladder d("no_source.vqe", nullptr);
  d.Shunt<ResSymbol>(0).r = "96.25ohm";
  d.Series<UserNetSymbol>(0);
  d.Shunt<ResSymbol>(1).r = "96.25ohm";
  return d.Save(path, 1);
}

// A transformer or controlled source with its defaults between the ports, its common pin on
// ground.
template <class S>
bool GroundedTwoPort(const std::filesystem::path& path) {
  Ladder d(path.filename().string().c_str(), "ZWEITOR");
  const Point common = d.Series<S>(0).pins[2];
  d.Put<GndSymbol>(common, common + Point(0, kStep / 4));
  return d.Save(path, 1);
}

// The models of the SPICE cross-check: one of each kind the symbols choose from.
constexpr const char* kLibrary[] = {
    "* Models of the SPICE cross-check",
    ".MODEL QNPN NPN(IS=1E-14 BF=200 VAF=100",
    "+ CJE=2P CJC=1P TF=0.3N)",
    ".MODEL JN NJF(BETA=1E-3 VTO=-2 LAMBDA=0.01)",
    ".MODEL DSI D(IS=2.52N RS=0.568 N=1.752)",
    ".SUBCKT OPIDEAL 1 2 3 4 5",
    "RIN 1 5 1MEG",
    "EOUT 2 0 5 1 100K",
    ".ENDS",
};

// The library and a symbol of each kind on it, away from the ladder of a 1 kohm resistor and
// the library's diode; the transistors' and the op-amp's pins are left open.
bool SpiceModels(const std::filesystem::path& path) {
  Ladder d("models.vqe", "MODELLE");
  auto& library = d.Free<SpiceLibSymbol>(Point(200, 600), Point(250, 600));
  library.libraryName = "models.lib";
  for (const char* line : kLibrary) library.library.AddLine(line);
  d.Series<ResSymbol>(0).r = "1kohm";
  d.Shunt<PNDiodeSymbol>(1).modelName = "DSI";
  d.Free<BipSpiceSymbol>(Point(200, 400), Point(200, 500)).modelName = "QNPN";
  d.Free<FetSpiceSymbol>(Point(400, 400), Point(400, 500)).modelName = "JN";
  d.Free<OpaSpiceSymbol>(Point(600, 400), Point(700, 400)).modelName = "OPIDEAL";
  return d.Save(path, 1);
}

// 5 V through 1 kohm into a diode of its own values (no library).
bool DiodeBias(const std::filesystem::path& path) {
  Ladder d("diode_bias.vqe", "DIODE");
  d.Series<ResSymbol>(0).r = "1kohm";
  d.Shunt<PNDiodeSymbol>(1);
  return d.Save(path, 1);
}

// A generator in front of column 0 feeding a low-pass of a series resistor and a shunt part,
// with a voltmeter across the shunt part: the circuits of the generators' runs.
class GeneratorCircuit : public Ladder {
 public:
  explicit GeneratorCircuit(const char* title) : Ladder(title, "") {}

  template <class G>
  G& OnePin() {
    return Put<G>(Top(-1), Top(-1) - Point(kStep / 2, 0));
  }
  template <class G>
  G& Grounded() {
    Wire(Bottom(-1), Bottom(0));
    return Put<G>(Top(-1), Bottom(-1));
  }

  // R from column 0 to 1, the shunt part in column 1, the voltmeter in column 2.
  template <class S>
  S& LowPass(const char* ohms) {
    Series<ResSymbol>(0).r = ohms;
    S& shunt = Shunt<S>(1);
    Wire(Top(1), Top(2));
    Shunt<MultiMeterSymbol>(2);
    Wire(Bottom(0), Bottom(1));
    Wire(Bottom(1), Bottom(2));
    Put<GndSymbol>(Bottom(0), Bottom(0) + Point(0, kStep / 2));
    return shunt;
  }

  // A one-pin instrument on the signal rail of the column, reaching up.
  template <class I>
  I& Probe(int column, const char* name) {
    I& instrument = Put<I>(Top(column), Top(column) - Point(0, kStep / 2));
    instrument.elementName = name;
    doc.ForgetNames();
    return instrument;
  }

  bool SaveAs(const std::filesystem::path& path) { return SaveCircuit(doc, path, ok); }
};

// 1 V behind 50 ohm swept from 1 kHz to 100 kHz in 21 logarithmic points into R 1 kohm and
// C 100 nF.
bool SigGenRc(const std::filesystem::path& path) {
  GeneratorCircuit d("siggen_rc.vqe");
  auto& generator = d.OnePin<SignalGenSymbol>();
  generator.voltage = "1V";
  generator.resistance = "50ohm";
  generator.sweep.SetStart(1e3);
  generator.sweep.SetStop(1e5);
  generator.sweep.SetCount(21);
  generator.sweep.mode = 'E';
  generator.sweep.Prepare();
  d.LowPass<CapSymbol>("1kohm").c = "100nF";
  return d.SaveAs(path);
}

// A plotter below the circuit: Y across column 2, X across the source, the minus inputs
// grounded.
PlotterSymbol& PlotterBelow(GeneratorCircuit& d) {
  auto& plotter = d.Free<PlotterSymbol>(Point(600, 300), Point(650, 300));
  const auto& pins = plotter.pins;
  const Point overY(pins[0].x, kTop);
  d.Wire(pins[0], overY);
  d.Wire(overY, Top(2));
  const int below = kBottom + 3 * kStep;
  const Point underX(pins[2].x, below);
  const Point underSource(Top(-1).x, below);
  d.Wire(pins[2], underX);
  d.Wire(underX, underSource);
  d.Wire(underSource, Top(-1));
  for (int minus : {1, 3}) d.Put<GndSymbol>(pins[minus], pins[minus] + Point(0, kStep / 2));
  return plotter;
}

// The supply swept from 0.1 V to 10 V by 0.495 V into R 1 kohm and a diode of IS 10 fA, N 1.
void DiodeCircuit(GeneratorCircuit& d) {
  auto& supply = d.Grounded<DcGeneratorSymbol>();
  supply.setting = 'V';
  supply.startVoltage = "0.1V";
  supply.stopVoltage = "10V";
  supply.voltageStep = "0.495V";
  auto& diode = d.LowPass<PNDiodeSymbol>("1kohm");
  diode.is = "10fA";
  diode.n = FloatWert(1.0);
  diode.rs = "0ohm";
}

bool DiodeDc(const std::filesystem::path& path) {
  GeneratorCircuit d("diode_dc.vqe");
  DiodeCircuit(d);
  return d.SaveAs(path);
}

// The diode's circuit with the plotter: Y across the diode, X across the supply.
bool DiodePlot(const std::filesystem::path& path) {
  GeneratorCircuit d("diode_plot.vqe");
  DiodeCircuit(d);
  PlotterBelow(d).elementName = "Plot";
  return d.SaveAs(path);
}

// An audio source playing a committed recording at 1 V behind 50 ohm; the file lies beside the
// circuit's, wherever the repository lies.
void Recording(GeneratorCircuit& d, const char* wav, int32_t samples) {
  auto& tape = d.OnePin<AudioSourceSymbol>();
  tape.amplitude = "1V";
  tape.resistance = "50ohm";
  tape.sampleCount = samples;
  tape.path = wav;
  tape.fileName = wav;
  tape.noFile = 0;
}

// The committed recording tape.wav (8-bit mono, 8 kHz) behind 50 ohm at 1 V, its first 4096
// bytes, into R 1 kohm and C 100 nF, with the speaker SPK1 across C.
bool TapeRc(const std::filesystem::path& path) {
  GeneratorCircuit d("tape_rc.vqe");
  Recording(d, "tape.wav", 4096);
  d.LowPass<CapSymbol>("1kohm").c = "100nF";
  d.Probe<SpeakerSymbol>(1, "SPK1");
  return d.SaveAs(path);
}

// The committed recording sine.wav (8-bit mono, 3200 samples a second: four periods of 50 Hz in
// its 256 bytes) behind 50 ohm at 1 V into R 1 kohm and C 1 uF, with a 50 ohm spectrum analyser
// across C: the circuit of pulse_rc.vqe on the built-in road, its sine on spectral line 4.
bool SineRc(const std::filesystem::path& path) {
  GeneratorCircuit d("sine_rc.vqe");
  Recording(d, "sine.wav", 256);
  d.LowPass<CapSymbol>("1kohm").c = "1uF";
  d.Probe<SpecAnaSymbol>(2, "SpecAna").ri = "50ohm";
  return d.SaveAs(path);
}

// The pattern 1011001110001011 at 2.5 Gbit/s, 256 samples, rectangular, 1 V behind 50 ohm into
// R 100 ohm and C 2 pF, with the oscilloscope and a 50 ohm spectrum analyser across C.
bool DataGenRc(const std::filesystem::path& path) {
  GeneratorCircuit d("datagen_rc.vqe");
  auto& generator = d.OnePin<DataGeneratorSymbol>();
  generator.amplitude = "1V";
  generator.resistance = "50ohm";
  generator.sequence = BitFolge("1011001110001011");
  generator.sequence.bitRate = "2.5GBit/s";
  generator.sequence.shape = 'R';
  generator.bitCount = 16;
  generator.sampleCount = 256;
  generator.SetupTransient();
  d.LowPass<CapSymbol>("100ohm").c = "2pF";
  d.Probe<OsziSymbol>(1, "Oszi");
  d.Probe<SpecAnaSymbol>(2, "SpecAna").ri = "50ohm";
  return d.SaveAs(path);
}

// The pulse generator's sine of 1 V at 50 Hz into R 1 kohm and C 1 uF, the voltmeter, the
// oscilloscope and a 50 ohm spectrum analyser across C, a plotter of the voltage across C (Y)
// over the source's (X): five periods of SPICE transient.
bool PulseRc(const std::filesystem::path& path) {
  GeneratorCircuit d("pulse_rc.vqe");
  auto& generator = d.OnePin<ImpulsGeneratorSymbol>();
  generator.waveform = 'S';
  generator.amplitude = "1V";
  generator.frequency = "50Hz";
  generator.SetupTransient();
  d.LowPass<CapSymbol>("1kohm").c = "1uF";
  d.Probe<OsziSymbol>(1, "Oszi");
  d.Probe<SpecAnaSymbol>(2, "SpecAna").ri = "50ohm";
  PlotterBelow(d).elementName = "Plot";
  return d.SaveAs(path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: make-examples REPOSITORY-ROOT\n", stderr);
    return 2;
  }
  RegisterAll();
  const std::filesystem::path root = argv[1];
  const std::filesystem::path drawn = root / "tools/crosscheck/drawn";
  const std::filesystem::path spice = root / "tools/crosscheck/spice";
  const std::filesystem::path ui = root / "app/cli/tests/ui";
  const std::filesystem::path lines = root / "app/cli/tests/lines";
  for (const std::filesystem::path& folder : {root / "examples", drawn, spice, ui, lines}) {
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (failed) {
      std::fprintf(stderr, "Ordner nicht angelegt: %s\n", folder.string().c_str());
      return 1;
    }
  }
  const std::pair<bool (*)(const std::filesystem::path&), std::filesystem::path> circuits[] = {
      {LcLowpass, root / "examples/lc_lowpass.vqe"},
      {VnaLowpass, root / "examples/vna_lowpass.vqe"},
      {Resonator, root / "examples/resonator.vqe"},
      {ResonatorTwoPort, root / "examples/resonator_twoport.vqe"},
      {PiSection, root / "examples/pi_section.vqe"},
      {MicrostripLowpass, root / "examples/microstrip_lowpass.vqe"},
      {MicrostripParts, ui / "microstrip_parts.vqe"},
      {SlotParts, ui / "slot_parts.vqe"},
      {NoSource, ui / "no_source.vqe"},
      {LineBetweenPorts<CCoplanarLineSymbol>, lines / "coplanar_line.vqe"},
      {LineBetweenPorts<SlotLineSymbol>, lines / "slotline.vqe"},
      {SlotTransition, lines / "slot_transition.vqe"},
      {RcLadder, drawn / "rc_ladder.vqe"},
      {PiAttenuator, drawn / "pi_attenuator.vqe"},
      {TNetwork, drawn / "t_network.vqe"},
      {LcHighpass, drawn / "lc_highpass.vqe"},
      {CrystalSeries, drawn / "crystal_series.vqe"},
      {Notch, drawn / "notch.vqe"},
      {Bandstop, drawn / "bandstop.vqe"},
      {ThroughShunt, drawn / "through_shunt.vqe"},
      {GroundedTwoPort<CplIndSymbol>, drawn / "transformer.vqe"},
      {GroundedTwoPort<VvgSymbol>, drawn / "vvg_source.vqe"},
      {GroundedTwoPort<VcgSymbol>, drawn / "vcg_source.vqe"},
      {GroundedTwoPort<CcgSymbol>, drawn / "ccg_source.vqe"},
      {SpiceModels, spice / "models.vqe"},
      {DiodeBias, spice / "diode_bias.vqe"},
      {SigGenRc, root / "examples/siggen_rc.vqe"},
      {DiodeDc, root / "examples/diode_dc.vqe"},
      {DiodePlot, ui / "diode_plot.vqe"},
      {TapeRc, root / "examples/tape_rc.vqe"},
      {SineRc, root / "examples/sine_rc.vqe"},
      {DataGenRc, root / "examples/datagen_rc.vqe"},
      {PulseRc, root / "examples/pulse_rc.vqe"},
  };
  bool ok = true;
  for (const auto& [draw, path] : circuits) ok = draw(path) && ok;
  const std::filesystem::path twins = drawn / "analyser";
  std::error_code failed;
  std::filesystem::create_directories(twins, failed);
  const std::pair<bool (*)(const std::filesystem::path&), const char*> measured[] = {
      {RcLadder, "rc_ladder"},     {PiAttenuator, "pi_attenuator"},
      {TNetwork, "t_network"},     {LcHighpass, "lc_highpass"},
      {CrystalSeries, "crystal_series"}, {Notch, "notch"},
      {Bandstop, "bandstop"},      {GroundedTwoPort<CplIndSymbol>, "transformer"},
  };
  ends = Ends::TwoPortAnalyser;
  for (const auto& [draw, name] : measured) ok = draw(twins / (std::string(name) + ".vqe")) && ok;
  ends = Ends::OnePortAnalyser;
  for (const auto& [draw, name] : measured) {
    ok = draw(twins / (std::string(name) + "_1port.vqe")) && ok;
  }
  return ok && !failed ? 0 : 1;
}
