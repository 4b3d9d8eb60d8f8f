#pragma once
// The substrate a line element lies on, named by the last word of its line ("... S1"). The
// check pass refuses a name that is no DATA entry ("Substrat nicht vorhanden"), an entry that
// is no usable substrate, and a board the formulas cannot take (ER below 1, no height); the
// read pass binds the substrate for as long as the netlist's objects live.

#include "basics/MyStrng.h"

class NetLine;
class Substrat;
struct SubstrateData;

class SubstrateLink {
 public:
  // The messages for a name that is no DATA entry: of the microstrip elements, and of the
  // slotline and coplanar ones.
  static constexpr const char* kMissing = "Substrat nicht vorhanden";
  static constexpr const char* kNotFound = "Substrat not found";

  // Reports on the check copy of the line.
  static void Check(NetLine& check);
  // Check pass of elements that look only at the name: message on the check copy when the
  // line's last word names no DATA entry.
  static void CheckName(NetLine& check, const char* message);
  // The substrate the line's last word names, or null (no entry, or another kind of object).
  static Substrat* Find(const MyStrng& line);

  // False when the line's last word names no substrate.
  bool Bind(const MyStrng& line);

  const SubstrateData& Data() const { return *data; }

 private:
  const SubstrateData* data = nullptr;
};
