#pragma once
// The pulse generator "ImpG": a voltage source for transient SPICE runs only, writing a sine,
// rectangle, triangle or single-impulse source and, while active, the ".TRAN" card of five
// periods. It takes no part in built-in runs, where it is an idle source of 0 V.

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "instruments/ui/MessGeraetSymbol.h"

class ImpulsGeneratorSymbol : public MessMasterSymbol {
 public:
  static constexpr const char* kClassKey = "ImpulsGeneratorSymbol";

  ImpulsGeneratorSymbol();
  ImpulsGeneratorSymbol(const Point& start, const Point& end);

  // The master's fields, the waveform, offset, amplitude, frequency, the three reserved values
  // and the four transient times.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // The set-up dialog; the symbol is redrawn after OK.
  bool EditDialog(pf::Window* parent) override;
  // "V" name, the node or nodes, the waveform's source; no internal nodes.
  int WriteSpiceLines(LineFile& lines, int flag) override;
  bool HasTimeWaveform() const override { return true; }
  void WriteSpiceControl(LineFile& lines) override;
  // It never runs a built-in analysis, so there it is always idle: a source of 0 V, a short
  // between its pins ("RES NODES R = 0ohm"); no line when both lie on ground.
  void WriteNetLine() override;

  // Five periods: stop 5 / f, step and maximum step 0.05 / f; the start time stays. False, and
  // nothing changed, for a frequency that is not positive.
  bool SetupTransient();
  // The frequency as a number; 0 (with the text's message queued) when it
  // does not hold a positive one.
  double Frequency() const;
  // The waveform's source text behind the nodes.
  MyStrng SourceText();

  char waveform = 'S';
  SpanWert offset{"0V"};
  SpanWert amplitude{"1V"};
  FreqWert frequency{"50Hz"};
  FloatWert reservedNumber{"0"};
  FreqWert reservedFrequency{"0Hz"};
  TimWert reservedTime{"0Sec"};
  SpanWert lowLevel;
  SpanWert highLevel;
};
