#include "app/cli/CircuitFile.h"

#include "basics/VS_Error.h"

std::unique_ptr<LoadedDocument> LoadCircuitFile(const char* path) {
  auto loaded = std::make_unique<LoadedDocument>();
  if (!loaded->doc.OnOpenDocument(path)) return nullptr;
  if (loaded->doc.Symbols().GetCount() == 0) {
    VS_Error().Error(MyStrng("Schaltung enthält keine Elemente: ") + path, 4);
    return nullptr;
  }
  loaded->doc.SetPathName(path);
  return loaded;
}
