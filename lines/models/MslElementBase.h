#pragma once
// Formula base of the microstrip discontinuity and transition elements: they read their values
// as "KEY=value" pairs in a fixed order (ElementValue.h) and bind the substrate that the last
// word of their line names (checked with SubstrateLink::CheckName). The element reports; these
// helpers only say whether a step succeeded.

#include "lines/models/MathPool.h"

class MyStrng;
class Substrat;
class VS_Error;
struct SubstrateData;

class MslElementBase : public MathPool {
 protected:
  // A width that was read must still be positive; reports on element otherwise.
  static bool CheckWidth(float metres, VS_Error& element);

  // Binds the substrate named by the line's last word. A missing object or another kind of
  // data object is reported on element with missingMessage and the name. (A substrate whose
  // values the formulas cannot take, no positive height or ER below 1, is refused where its
  // own line is read, and so is missing here.)
  bool BindSubstrate(const MyStrng& line, VS_Error& element, const char* missingMessage);

  Substrat* substrate = nullptr;
  const SubstrateData* sub = nullptr;
};
