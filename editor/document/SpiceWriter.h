#pragma once
// The SPICE netlist of a drawn circuit for the external SPICE program: a header, every
// symbol's SPICE lines with the nodes of the built-in netlist, the models, the analysis
// commands of the active instrument and its chain, and a trailer.

#include <cstdint>
#include <utility>
#include <vector>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

class CVostraneDoc;
class NetSymbol;

class SpiceWriter {
 public:
  explicit SpiceWriter(CVostraneDoc& doc) : doc(doc) {}

  // The lines into the document's netlist lines, whose file name becomes the file's path;
  // nothing is written to disk. False for an empty circuit and when the numbering fails.
  bool Compose();

 private:
  void WriteSpiceHeader();
  void WriteElementLines();
  // Joined external nodes (and ground) are shorted as the netlist's 0 ohm links do.
  void WriteLinks(const std::vector<std::pair<int32_t, int32_t>>& links);
  void WriteSpiceModels();
  // The active instrument and the instruments chained to it, whose cards the file carries;
  // empty for the operating point and without an active instrument.
  std::vector<NetSymbol*> ControlChain() const;
  // Only the instruments of the analysis drive: the chain, or for the operating point the
  // supplies; every other generator is idle, but in a transient (the card's) every waveform in
  // time drives. Without an analysis (no card, no operating point) every source keeps its form.
  void MarkRunning(const std::vector<NetSymbol*>& chain, const LineFile& card);
  // The chain's card, else the operating point's.
  void WriteSpiceCommands(const LineFile& control);
  void WriteSpiceTrailer();

  CVostraneDoc& doc;
};

// The date line of generated files: "day.month.year  hour:minute:second" without leading
// zeros, local time; SOURCE_DATE_EPOCH (seconds, UTC) replaces the clock for reproducible
// files.
MyStrng GeneratedFileDate();
