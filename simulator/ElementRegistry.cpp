#include "simulator/ElementRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

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

ElementRegistry::Entry& ElementRegistry::Slot(const char* keyword) {
  if (!IsKeywordForm(keyword)) {
    std::fprintf(stderr, "Kein Elementschlüsselwort, nicht registriert: '%s'\n",
                 keyword != nullptr ? keyword : "");
    std::abort();
  }
  for (Entry& entry : entries) {
    if (entry.keyword == keyword) return entry;
  }
  entries.push_back(Entry{keyword});
  return entries.back();
}

void ElementRegistry::Register(const char* keyword, NetElementFactory make) {
  Slot(keyword).make = make;
}

void ElementRegistry::RegisterDataVariant(const char* keyword, NetElementFactory make) {
  Slot(keyword).makeOnData = make;
}

std::vector<MyStrng> ElementRegistry::Keywords() const {
  std::vector<MyStrng> keywords;
  for (const Entry& entry : entries) keywords.push_back(entry.keyword);
  return keywords;
}

NetElementFactory ElementRegistry::Find(const MyStrng& keyword, bool namesDataEntry) const {
  for (const Entry& entry : entries) {
    if (SameWord(entry.keyword.GetBuffer(), keyword.GetBuffer())) {
      return namesDataEntry && entry.makeOnData != nullptr ? entry.makeOnData : entry.make;
    }
  }
  return nullptr;
}
