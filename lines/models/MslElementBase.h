#pragma once
// Formula base of the microstrip discontinuity and transition elements: they read their values
// as "KEY=value" pairs in a fixed order and bind the substrate that the last word of their line
// names. The element reports; these helpers only say whether a step succeeded.

#include "lines/models/MathPool.h"

class MyStrng;
class NetLine;
class Substrat;
class SymbolTable;
class VS_Error;
struct SubstrateData;

class MslElementBase : public MathPool {
 protected:
  // Check pass: message (level 4) on the check copy when its last word names no DATA entry.
  static void CheckSubstrateName(NetLine& check, const char* message);

  // Read pass, on the element's own line: removes the text through the next '=' and the
  // blanks behind it, then converts the next value (a label resolved). False, with the field
  // untouched and the message of the label or value class queued, when that fails.
  static bool ReadLength(NetLine& line, const SymbolTable& labels, float& metres);
  static bool ReadInteger(NetLine& line, const SymbolTable& labels, long& value);
  static bool ReadNumber(NetLine& line, const SymbolTable& labels, double& value);
  // A width that passed ReadLength must still be positive; reports on element otherwise.
  static bool CheckWidth(float metres, VS_Error& element);

  // Binds the substrate named by the line's last word. A missing object, another kind of data
  // object, or a substrate without positive height or with ER below 1 (the microstrip
  // formulas have no result there) is reported on element with missingMessage or the
  // substrate message; the binding is then cleared.
  bool BindSubstrate(const MyStrng& line, VS_Error& element, const char* missingMessage);

  Substrat* substrate = nullptr;
  const SubstrateData* sub = nullptr;
};
