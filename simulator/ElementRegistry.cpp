#include "simulator/ElementRegistry.h"

#include <cstring>
#include <string>
#include <string_view>

#include "basics/RegistrationFault.h"

ElementRegistry& ElementRegistry::Global() {
  static ElementRegistry registry;
  return registry;
}

namespace {
// Every line of a netlist is looked up: the first letter rules out most keywords without a call.
bool SameWord(const char* a, const char* b) { return a[0] == b[0] && std::strcmp(a, b) == 0; }
}  // namespace

bool ElementRegistry::Knows(const MyStrng& word) const {
  for (const Entry& entry : entries) {
    if (SameWord(word.GetBuffer(), entry.keyword.GetBuffer())) return true;
  }
  return false;
}

bool ElementRegistry::IsKeywordForm(const char* word) {
  const std::string_view w(word != nullptr ? word : "");
  const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
  if (w.empty() || w.size() > 8 || !upper(w.front())) return false;
  for (const char c : w) {
    if (!upper(c) && !(c >= '0' && c <= '9')) return false;
  }
  for (const char* block : kBlockKeywords) {
    if (w == block) return false;
  }
  return true;
}

ElementRegistry::Registered& ElementRegistry::Slot(const char* keyword, bool onData,
                                                   const SourcePlace& where) {
  if (!IsKeywordForm(keyword)) {
    RegistrationFault("Kein Elementschlüsselwort, nicht registriert: '" +
                      std::string(keyword != nullptr ? keyword : "") + "' (" +
                      RegisteredAt(where) + ")");
  }
  Entry* entry = nullptr;
  for (Entry& e : entries) {
    if (e.keyword == keyword) entry = &e;
  }
  if (entry == nullptr) entry = &entries.emplace_back(Entry{MyStrng(keyword), {}, {}});
  Registered& slot = onData ? entry->onData : entry->plain;
  if (slot.make != nullptr) {
    RegistrationFault(std::string(onData ? "Datenvariante des Elementschlüsselworts "
                                         : "Elementschlüsselwort ") +
                      keyword + " zweimal registriert: " + RegisteredAt(slot.where) + " und " +
                      RegisteredAt(where));
  }
  return slot;
}

void ElementRegistry::Register(const char* keyword, NetElementFactory make,
                               SourcePlace where) {
  Slot(keyword, false, where) = {make, where};
}

void ElementRegistry::RegisterDataVariant(const char* keyword, NetElementFactory make,
                                          SourcePlace where) {
  Slot(keyword, true, where) = {make, where};
}

std::vector<MyStrng> ElementRegistry::Keywords() const {
  std::vector<MyStrng> keywords;
  for (const Entry& entry : entries) keywords.push_back(entry.keyword);
  return keywords;
}

NetElementFactory ElementRegistry::Find(const MyStrng& keyword, bool namesDataEntry) const {
  for (const Entry& entry : entries) {
    if (SameWord(entry.keyword.GetBuffer(), keyword.GetBuffer())) {
      return namesDataEntry && entry.onData.make != nullptr ? entry.onData.make : entry.plain.make;
    }
  }
  return nullptr;
}
