#include "app/cli/CircuitCommands.h"

#include <iostream>
#include <memory>

#include "app/cli/CircuitFile.h"
#include "app/cli/ErrorQueue.h"
#include "basics/VS_Error.h"
#include "editor/document/CircuitCopies.h"
#include "editor/document/NetlistBuilder.h"
#include "editor/document/SpiceWriter.h"

namespace {

void Print(const LineFile& lines) { lines.WriteLines(std::cout); }

}  // namespace

int PrintNetlist(const char* path) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (loaded && loaded->doc.BuildNetlist(nullptr)) Print(loaded->doc.GetNetlistLines());
  return ReportQueue();
}

int ExportNetlistFile(const char* path) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (!loaded) return ReportQueue();
  CVostraneDoc& doc = loaded->doc;
  if (const MyStrng refusal = ExportRefusal(doc); !refusal.IsEmpty()) {
    VS_Error().Error(refusal, 4);
  } else if (doc.ExportNetlist(nullptr)) {
    std::cout << doc.GetNetlistLines().GetFileName().GetBuffer() << '\n';
  }
  return ReportQueue();
}

int PrintSpiceNetlist(const char* path, bool operatingPoint) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (!loaded) return ReportQueue();
  if (operatingPoint) loaded->doc.RequestOperatingPoint();
  if (SpiceWriter(loaded->doc).Compose()) Print(loaded->doc.GetNetlistLines());
  return ReportQueue();
}

int PrintLatex(const char* path) {
  std::unique_ptr<LoadedDocument> loaded = LoadCircuitFile(path);
  if (!loaded) return ReportQueue();
  LineFile lines;
  ComposeLatex(loaded->doc, lines);
  Print(lines);
  return ReportQueue();
}
