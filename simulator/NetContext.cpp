#include "simulator/NetContext.h"

namespace {
ScomFile* readerInUse = nullptr;
NetAnalyser* currentAnalyser = nullptr;
}  // namespace

ScomFile* NetContext::ReaderInUse() { return readerInUse; }
void NetContext::SetReaderInUse(ScomFile* reader) { readerInUse = reader; }
NetAnalyser* NetContext::CurrentAnalyser() { return currentAnalyser; }
void NetContext::SetCurrentAnalyser(NetAnalyser* analyser) { currentAnalyser = analyser; }

void NetContext::Reset() {
  readerInUse = nullptr;
  currentAnalyser = nullptr;
}
