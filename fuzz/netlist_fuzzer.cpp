// Feeds arbitrary text through every step of the netlist reader, whatever the earlier steps
// said: a reader must neither crash nor hang on any input, even when its owner goes on.

#include <cstddef>
#include <cstdint>
#include <string>

#include "basics/LineFile.h"
#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"
#include "simulator/ScomFile.h"
#include "simulator/SweepFreq.h"
#include "simulator/tests/TestElements.h"

namespace {

// The registered models, and the stand-ins for every keyword whose model is not registered.
struct Registries {
  Registries() {
    RegisterBasicsClasses();
    RegisterSimulatorElements();
    elements = ElementRegistry::Global();
    dataKinds = DataObjectRegistry::Global();
    RegisterTestElements(elements);
    RegisterTestDataObjects(dataKinds);
  }
  ElementRegistry elements;
  DataObjectRegistry dataKinds;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Registries registries;
  LineFile text;
  std::string line;
  for (size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      text.AddLine(MyStrng(line));
      line.clear();
    } else if (line.size() < static_cast<size_t>(LineFile::kMaxLineLength)) {
      line.push_back(static_cast<char>(data[i]));
    }
  }

  SweepFreq sweep;
  ScomFile reader;
  reader.SetRegistries(&registries.elements, &registries.dataKinds);
  reader.SetSweep(&sweep);
  reader.SetLines(text);
  NetContext::SetReaderInUse(&reader);
  VS_Error::ResetQueue();
  reader.CheckSyntax();
  reader.ReadBlocks();
  reader.BuildDataObjects();
  reader.BuildNets();
  reader.AllocateUsrNetResults();
  reader.ComputeAt(static_cast<float>(sweep.GetFrequency(1)));
  reader.StartDcSweeps();
  return 0;
}
