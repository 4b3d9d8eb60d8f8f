#include "app/cli/CircuitCommands.h"

#include <iostream>

#include "app/cli/ErrorQueue.h"
#include "basics/Register.h"
#include "basics/VS_Error.h"
#include "editor/CVostraneDoc.h"
#include "editor/NetlistBuilder.h"
#include "editor/Register.h"
#include "editor/RegisterSymbols.h"
#include "editor/SpiceWriter.h"
#include "elements/Register.h"
#include "pf/profile.h"

namespace {

// The document of the file, or false (reported) when it cannot be loaded or is empty.
bool Open(CVostraneDoc& doc, const char* path) {
  RegisterBasicsClasses();
  RegisterEditorClasses();
  RegisterFrameworkSymbols();
  RegisterLumpedSymbols();
  VS_Error::ResetQueue();
  if (!doc.OnOpenDocument(path)) return false;
  doc.SetPathName(path);
  if (doc.Symbols().GetCount() > 0) return true;
  VS_Error reporter;
  reporter.Error(MyStrng("Die Schaltung ist leer: ") + path, 4);
  return false;
}

void Print(const LineFile& lines) {
  lines.WriteLines(std::cout);
  std::cout.flush();
}

}  // namespace

int PrintNetlist(const char* path) {
  pf::MemoryProfile profile;
  CVostraneDoc doc(&profile);
  if (Open(doc, path) && doc.BuildNetlist(nullptr)) Print(doc.GetNetlistLines());
  return ReportQueue();
}

int ExportNetlistFile(const char* path) {
  pf::MemoryProfile profile;
  CVostraneDoc doc(&profile);
  if (!Open(doc, path)) return ReportQueue();
  if (const MyStrng refusal = ExportRefusal(doc); !refusal.IsEmpty()) {
    VS_Error reporter;
    reporter.Error(refusal, 4);
  } else if (doc.ExportNetlist(nullptr)) {
    std::cout << doc.GetNetlistLines().GetFileName().GetBuffer() << '\n';
  }
  return ReportQueue();
}

int PrintSpiceNetlist(const char* path, bool operatingPoint) {
  pf::MemoryProfile profile;
  CVostraneDoc doc(&profile);
  if (!Open(doc, path)) return ReportQueue();
  if (operatingPoint) doc.RequestOperatingPoint();
  if (SpiceWriter(doc).Compose()) Print(doc.GetNetlistLines());
  return ReportQueue();
}
