#include "simulator/NetContext.h"

#include "simulator/ScomFile.h"

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

NetDataElm* NetContext::FindDataObject(const MyStrng& name) {
  return readerInUse != nullptr ? readerInUse->FindDataObject(name) : nullptr;
}

MyStrng NetContext::FindSymbolValue(const MyStrng& name) {
  return readerInUse != nullptr ? readerInUse->FindSymbolValue(name)
                                : MyStrng(SymbolTable::kNotFound);
}
