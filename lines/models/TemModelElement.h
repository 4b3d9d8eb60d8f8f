#pragma once
// What the line and stub elements of the numeric line models (slotline, coplanar) share: the
// substrate named by the line's last word, length values read from "KEY=value" pairs, and the
// port matrix filled from the embedded model at every frequency. A two-port is a line
// section, a one-port a stub ended as the model's end letter says.
//
// A model that cannot compute at a frequency is reported once per element; the element then
// simulates with the model's previous quantities, and with a zero matrix while the model has
// never had a finite wavelength, so no infinity or NaN reaches the network.

#include <initializer_list>

#include "lines/models/LineElement.h"
#include "lines/models/Substrat.h"
#include "lines/models/SubstrateLink.h"
#include "lines/models/TemModell.h"
#include "simulator/NetElement.h"

// The parts that do not depend on the model or the port count.
class TemModelElementIO {
 public:
  // The keys in order (each present and followed by '='), then the trailing word of the line
  // must name an entry of the DATA block.
  static void CheckValuesAndSubstrate(NetLine& check, std::initializer_list<const char*> keys);
  // Y11 = Y22 = coth(gamma l)/Z0, Y12 = Y21 = -1/(Z0 sinh(gamma l)) for two ports; the
  // model's stub admittance for one.
  static void Fill(PortMatrix& y, TemModell& model, int ports);
  // At 0 Hz, where the models have no figures and need none: a line is a through, a stub
  // open or short as its end says.
  static void FillDirectCurrent(PortMatrix& y, const TemModell& model, int ports);
};

template <class Base, class Model>
class TemModelElement : public LineElementFrame<Base> {
 public:
  TemModelElement(const NetLine& netLine, const char* type, const char* failure)
      : LineElementFrame<Base>(type, netLine), failureMessage(failure) {}

  void FillMatrix(float f) override {
    if (f == 0.0f) {
      TemModelElementIO::FillDirectCurrent(*this->portMatrix, model, this->portCount);
      return;
    }
    if (!model.Update(f) && !failureReported) {
      failureReported = true;
      this->Error(failureMessage, 2);
    }
    TemModelElementIO::Fill(*this->portMatrix, model, this->portCount);
  }

  const Model& GetModel() const { return model; }

 protected:
  // After the values: one-ports read their end word ("OPEN" open, any other word short),
  // then the substrate is bound. A value that failed, or a name that passed the check but
  // names no substrate (a table, a refused entry), refuses the element.
  void ReadEndAndSubstrate(LineValueReader& values) {
    if (this->portCount == 1) {
      values.SkipValueWord();
      model.end = this->line.GetNextToken() == "OPEN" ? 'O' : 'S';
    }
    substrate = SubstrateLink::Find(this->line);
    if (substrate == nullptr) {
      this->Error(SubstrateLink::Missing(SubstrateLink::kNotFound, this->line), 4);
    } else {
      model.SetSubstrate(*substrate->GetData());
    }
    if (!values.Ok()) this->code = 4;
  }

  Model model;
  Substrat* substrate = nullptr;

 private:
  const char* failureMessage;
  bool failureReported = false;
};
