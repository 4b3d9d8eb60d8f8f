#include "simulator/Register.h"

#include "pf/object.h"
#include "simulator/ControlledSource.h"
#include "simulator/CplIndElement.h"
#include "simulator/DataForOnePort.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/DataOnePort.h"
#include "simulator/ElementRegistry.h"
#include "simulator/KonzTee.h"
#include "simulator/MultiMeter.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/ResKreis.h"
#include "simulator/SelfResonantElement.h"
#include "simulator/SpannungsQuelle.h"
#include "simulator/SweepFreq.h"
#include "simulator/SymUebertrager.h"
#include "simulator/Transistor.h"
#include "simulator/Widerstand.h"

void RegisterSimulatorElements() {
  pf::ClassRegistry::Instance().Register(SweepFreq::classSweepFreq);
  ElementRegistry& elements = ElementRegistry::Global();
  elements.Register("RES", Widerstand::Create);
  elements.Register("CAP", Kapazitaet::Create);
  elements.Register("IND", Induktivitaet::Create);
  elements.Register("SRLC", SerResKreis::Create);
  elements.Register("PRLC", ParResKreis::Create);
  elements.Register("QUARZ", QuaResKreis::Create);
  elements.Register("UQU", SpannungsQuelle::Create);
  elements.Register("MUME", MultiMeter::Create);
  elements.Register("KTE", KonzTee::Create);
  elements.Register("ONE", DataOnePort::Create);
  elements.Register("TWO", DataTwoPort::Create);
  DataObjectRegistry::Global().RegisterTable("S", DataForOnePort::Create, DataForTwoPort::Create);
  elements.Register("HLD", PNDiodeElement::Create);
  elements.Register("MUI", CplIndElement::Create);
  elements.Register("SYUE", SymUebertrager::Create);
  elements.Register("CCG", CurConCurSource::Create);
  elements.Register("VCG", VolConCurSource::Create);
  elements.Register("VVG", VolConVolSource::Create);
  elements.Register("OPA", OpAmplifier::Create);
  elements.Register("FET", FeldeffektTransistor::Create);
  elements.Register("BIP", BipolarTransistor::Create);
}
