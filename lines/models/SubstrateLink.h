#pragma once
// The substrate a line element lies on, named by the last word of its line ("... FR-4"; a name
// of letters, digits and ". - + _", GetTrailingName). The check pass refuses a name that is no
// DATA entry ("Substrat nicht vorhanden: FR-4") and an entry that is no usable substrate (one
// of another kind, or a substrate line the reader refused, its own values checked there); the
// read pass binds the substrate for as long as the netlist's objects live.

#include "basics/MyStrng.h"

class NetLine;
class Substrat;
struct SubstrateData;

class SubstrateLink {
 public:
  // The messages for a name that is no DATA entry: of the microstrip elements, and of the
  // slotline and coplanar ones. They are reported with the name (Missing).
  static constexpr const char* kMissing = "Substrat nicht vorhanden";
  static constexpr const char* kNotFound = "Substrat not found";

  // The name the line's last word gives; empty when the line ends in no name.
  static MyStrng Name(const MyStrng& line);
  // message, ": " and the name of the line's substrate (the message alone without a name).
  static MyStrng Missing(const char* message, const MyStrng& line);

  // Reports on the check copy of the line.
  static void Check(NetLine& check);
  // Check pass of elements that look only at the name: message (with the name) on the check
  // copy when the line's last word names no DATA entry.
  static void CheckName(NetLine& check, const char* message);
  // The substrate the line's last word names, or null (no entry, or another kind of object).
  static Substrat* Find(const MyStrng& line);

  // False when the line's last word names no substrate.
  bool Bind(const MyStrng& line);

  const SubstrateData& Data() const { return *data; }

 private:
  const SubstrateData* data = nullptr;
};
