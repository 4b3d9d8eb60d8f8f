#pragma once
// A circuit file loaded for a command: its document, whose profile values stay in memory so
// the command line leaves the user's settings alone.

#include <memory>

#include "editor/document/CVostraneDoc.h"
#include "pf/profile.h"

struct LoadedDocument {
  pf::MemoryProfile profile;
  CVostraneDoc doc{&profile};
};

// Null after reporting when the file cannot be loaded or holds no symbol; the document's path
// is the file's.
std::unique_ptr<LoadedDocument> LoadCircuitFile(const char* path);
