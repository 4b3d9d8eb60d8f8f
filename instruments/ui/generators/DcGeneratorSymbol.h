#pragma once
// The supply "Netzteil": a two-pin voltage or current source, fixed or swept. Under SPICE it is
// an independent DC source of its fixed or start value in every analysis and, swept and active,
// writes the ".Dc" card, to which a swept slave supply adds its own range. In a built-in run it
// is a "DCQU" source behind its internal resistance that steps from start to stop (a fixed one
// one step at its value) while the netlist's diode network is solved at each step; the
// circuit's other supplies hold their values meanwhile.

#include <cstdint>

#include "basics/WertMitDim.h"
#include "editor/symbols/SymbolRoles.h"
#include "instruments/ui/MessGeraetSymbol.h"

class NonLinearUsrNet;

class DcGeneratorSymbol : public MessMasterSymbol, public DcGeneratorRole {
  PF_DECLARE_RUNTIME(DcGeneratorSymbol)

 public:
  static constexpr const char* kClassKey = "DcGeneratorSymbol";
  // Version 2 adds the kind and the four currents behind the stored fields.
  static constexpr int32_t kVersion = 2;

  DcGeneratorSymbol();
  DcGeneratorSymbol(const Point& start, const Point& end);

  // Throws pf::ArchiveError on a setting or kind the supply does not know, or a version above
  // its own.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  // Active: a new ".Dc" card; inactive (a slave): its range appended to the card.
  void WriteSpiceControl(LineFile& lines) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  MyStrng GetNetHeader() const override;
  // Starts the sweep of the diode network and solves its first step; 0 when there is none.
  int StartRun() override;
  bool SweepsSinglePoints() const override { return true; }
  // Solves the next step of its own run (master is itself); the run ends after the step at the
  // stop value was read.
  void MeasureStep(InstrumentRole& master) override;
  NetElement* FindElement(const MyStrng& name) const override;
  // A stopped run lets go of the network, which the next run's reader builds anew.
  void SetRunState(uint8_t state) override;

  char GetSourceMode() const override { return kind; }
  char GetOutputMode() const override { return setting; }

  // Kind 'U' or 'I'; the name's first three letters become "VDc" or "IDc".
  void SetKind(char newKind);
  // The "N=" of a swept supply's "DCQU" line: the step width's share of the range, rounded, at
  // least 1.
  long StepCount() const;
  // The element name with the kind's letter in front unless it starts with it.
  MyStrng SpiceName() const;

  char kind = 'U';
  SpanWert fixedVoltage{"1V"};
  SpanWert startVoltage{"0V"};
  SpanWert stopVoltage{"5V"};
  SpanWert voltageStep{"100mV"};
  StromWert fixedCurrent{"1mA"};
  StromWert startCurrent{"0A"};
  StromWert stopCurrent{"5mA"};
  StromWert currentStep{"1mA"};
  int32_t resistorFlag = 0;
  ResWert internalResistance{"100mohm"};
  char setting = 'F';

 private:
  NonLinearUsrNet* dcNet = nullptr;
  bool moreSteps = false;
};
