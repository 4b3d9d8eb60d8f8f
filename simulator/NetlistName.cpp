#include "simulator/NetlistName.h"

#include <string>

#include "simulator/ElementRegistry.h"

namespace {

bool TakenInName(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A byte 10xxxxxx behind a byte of a multi-byte character continues that character.
bool Continues(char previous, char c) {
  const auto p = static_cast<unsigned char>(previous);
  const auto b = static_cast<unsigned char>(c);
  return p >= 0x80 && (b & 0xC0) == 0x80;
}

}  // namespace

MyStrng NetlistName(std::string_view fileName) {
  std::string name;
  name.reserve(fileName.size());
  for (size_t i = 0; i < fileName.size(); ++i) {
    const char c = fileName[i];
    if (TakenInName(c) || c == '.') {
      name += c;
    } else if (i == 0 || !Continues(fileName[i - 1], c)) {
      name += '_';
    }
  }
  return MyStrng(name);
}

MyStrng NetworkName(std::string_view title) {
  const MyStrng name = NetlistName(title.substr(0, title.find('.')));
  const char first = name.GetAt(0);
  const bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
  // The reader takes a name that starts with a letter, and none that names an element kind.
  return letter && !ElementRegistry::IsKeyword(name) ? name : MyStrng("N") + name;
}
