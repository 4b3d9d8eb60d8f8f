#pragma once
// The voltmeter or ammeter on the schematic: its netlist line makes a measuring element of its
// own name, whose value it reads at every step of a built-in run. The voltmeter logs the
// readings, and the run's end writes the log to "MultiMeter.dat" in the current directory.
// Under SPICE it is a plain resistor of its internal resistance.

#include <cstdint>

#include "basics/LineFile.h"
#include "basics/WertMitDim.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/models/MeterReadings.h"

class MultiMeterSymbol : public MessGeraetSymbol {
  PF_DECLARE_RUNTIME(MultiMeterSymbol)

 public:
  static constexpr const char* kClassKey = "MultiMeterSymbol";
  static constexpr int kBitmap = 143;
  static constexpr const char* kLogFile = "MultiMeter.dat";

  MultiMeterSymbol();
  MultiMeterSymbol(const Point& start, const Point& end);

  // After the base: Ri, the mode and the display letter. Throws pf::ArchiveError on a letter
  // the meter does not know.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  void MeasureStep(InstrumentRole& master) override;
  // Its log is of every run, the sweeps of single points included.
  bool ReadsSinglePoints() const override { return true; }
  // Starts the log; the readings of an earlier SPICE result are no longer shown.
  void BeginMeasurement(InstrumentRole& master) override;
  // Writes the log; an empty log leaves an earlier file alone.
  void EndMeasurement() override;

  // The node voltages of the pins in the last SPICE result give the readings and the log's
  // table; the readings dialog shows them next, and the symbol no longer a built-in reading.
  void ReadSpiceResults(SpiceManager& source) override;
  const MeterReadings& GetSpiceReadings() const { return spiceReadings; }
  // The log from the SPICE readings, as the display shows them.
  void BuildSpiceTable() { spiceReadings.BuildTable(mode, display, log); }

  void SetVoltmeter(double ri);
  void SetAmmeter();

  const LineFile& GetLog() const { return log; }
  // The last reading as the schematic shows it.
  const MyStrng& GetReading() const { return reading; }

  ResWert ri{1e6};
  char mode = 'U';     // 'U' voltmeter, 'I' ammeter
  char display = 'A';  // 'A' amplitude, 'P' phase, 'K' complex, 'M' mean
  char abscissa = 'O';

 private:
  MyStrng reading;
  int32_t blink = 0;
  LineFile log;
  MeterReadings spiceReadings;
};
