#pragma once
// Runs the reading sequence of an owning instrument on a netlist with the stand-in models, and
// describes what the reader built as text.

#include <string>
#include <vector>

#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"
#include "simulator/ScomFile.h"
#include "simulator/SweepFreq.h"

class ReaderHarness {
 public:
  ReaderHarness();

  // The lines of a corpus file as they stand (no trimming), tabs included.
  static std::vector<std::string> LoadNetlist(const std::string& fileName);
  // Reset, lines, reader in use, queue cleared, syntax check, blocks, data objects, networks;
  // stops where an owner stops. True when the networks are ready.
  bool Run(const std::vector<std::string>& text);
  static std::vector<std::string> QueuedMessages();
  std::string Describe() const;

  ElementRegistry elements;
  DataObjectRegistry dataKinds;
  SweepFreq sweep;
  ScomFile reader;
};
