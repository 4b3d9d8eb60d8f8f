#pragma once
// The DC supply of a sweep ("DCQU node UA= start UB= stop N= steps R= Ri name"): a voltage
// source with internal resistance whose value steps from start to stop in N equal steps,
// while the operating-point network solves the circuit at each value.

#include "instruments/models/ResistiveOnePort.h"
#include "simulator/DcSweepSupply.h"

class DcGeneratorElement : public ResistiveOnePort, public DcSweepSupply {
 public:
  // Larger step counts are refused: each step is one solve of the run.
  static constexpr long kMaxStepCount = 100000;

  explicit DcGeneratorElement(const NetLine& line);
  static NetElement* Create(const NetLine& line);

  // Base check, then "UA", "N" and "R", each while the copy has no fault.
  void LinkReferences(NetLine& check) override;
  // By position after each '=': start, stop (voltages), step count (digits), internal
  // resistance; then the name from the last word.
  void ParseLine(const SymbolTable& labels) override;

  void ResetSweep() override;
  bool NextStep() override;
  double GetNortonCurrent() const override;
  double GetPresentValue() const override { return value; }

  double GetStart() const { return start; }
  double GetStop() const { return stop; }
  int GetStepCount() const { return stepCount; }

 private:
  bool ReadStepCount(const SymbolTable& labels);

  double value = 1.0;
  double start = 0.1;
  double stop = 10.0;
  double step = 0.0;
  int stepIndex = 0;
  int stepCount = 20;
};
