#pragma once
// The transition from a microstrip on one side of a substrate to a slotline in the metal of the
// other side, where the strip crosses the slot (keyword MSTSL). Ports 1 and 2 are the
// microstrip on either side of the crossing, port 3 the slotline. Three models:
//   KNR  (default) an ideal coupling of turns ratio n after Knorr's transition formula,
//   DAS  the same coupling with n from Das's spectral expression,
//   SIM  the piece of strip over the slot as a lumped pi network coupled to the slot.
// The slotline figures come from an embedded slotline model (closed form).

#include "basics/Cmplx.h"
#include "lines/models/LineElement.h"
#include "lines/models/MslElementBase.h"
#include "lines/models/SlotLineModell.h"
#include "simulator/NetElement.h"

class MslToSlotElement : public LineElementFrame<DreiTor, MslElementBase> {
 public:
  static constexpr const char* kSlotOutOfRange = "Schlitzleitung außerhalb des Gültigkeitsbereichs";
  static constexpr const char* kNoTurnsRatio =
      "Übergang Mikrostreifen-Schlitzleitung: Übersetzung nicht berechenbar";
  // Siemens from the slot port to ground beside every model's Y33. The turns-ratio matrix has
  // rank 1 and SIM couples nothing at 0 Hz, so a slot port left open would leave the nodal
  // system singular; with the leak the microstrip sees the open slot as a near open circuit.
  static constexpr double kSlotPortLeak = 1e-9;

  // The design calculator's element: M = 0.635 mm, S = 0.206 mm, no substrate yet.
  MslToSlotElement();
  explicit MslToSlotElement(const NetLine& line);
  static NetElement* Create(const NetLine& line) { return new MslToSlotElement(line); }

  // Line "MSTSL n1 n2 n3 M=.. S=.. K=.. KNR|SIM|DAS SUBSTRATE"; any other model word is KNR.
  void LinkReferences(NetLine& check) override;
  void ParseLine(const SymbolTable& labels) override;
  // A frequency at which the slotline has no result, or the turns ratio none, is reported
  // once; the slotline's last figures stand in, and a zero matrix while there are none. At
  // 0 Hz KNR and DAS take their common limit n = 1 without the slotline.
  void FillMatrix(float frequency) override;

  // The design calculator's settings: the substrate record (kept by the caller for as long as
  // the element fills its matrix), the strip width and the slot width (m), the latter also the
  // slotline model's.
  void SetDesignSubstrate(const SubstrateData& record);
  void SetM(double metres) { M = metres; }
  void SetS(double metres);
  double GetM() const { return M; }
  // Whether the last FillMatrix had figures of its own frequency (not an earlier point's).
  bool HasResult() const { return pointOk; }
  double GetS() const { return S; }

  // The coupling of turns ratio n that KNR and DAS fill.
  static void TurnsRatioMatrix(double n, Cmplx (&y)[3][3]);

  char GetModel() const { return model; }
  double GetTurnsRatio() const { return n; }
  double GetK() const { return K; }
  double GetL() const { return L; }
  double GetCh() const { return Ch; }
  // The microstrip and slotline figures of the last frequency.
  double GetZm() const { return Zm; }
  double GetEm() const { return em; }
  double GetZs() const { return Zs; }
  double GetEs() const { return es; }

 private:
  // False when the turns ratio has no finite value at f.
  bool Knorr(double f);
  bool Das(double f);
  void Lumped(double f);
  // True when the slotline has figures to use at f (its own or those of an earlier point).
  bool UpdateSlot(double f);
  void AnalyseMicrostrip(double f);
  void ReportOnce(const char* message);

  Cmplx Y[3][3];
  double M = 0.0;  // strip width, m
  double S = 0.0;  // slot width, m
  double K = 0.99;
  char model = 'K';
  double h = 0.0;  // substrate height, m
  MicrostripResult strip;
  double Zm = 0.0;
  double em = 1.0;
  double Zs = 0.0;
  double es = 1.0;
  double n = 0.0;
  double L = 0.0;
  double Ch = 0.0;
  SlotLineModell slot;
  bool failureReported = false;
  bool pointOk = false;
  bool slotFresh = true;
};
