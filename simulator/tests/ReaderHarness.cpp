#include "simulator/tests/ReaderHarness.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "simulator/NonLinearUsrNet.h"
#include "simulator/UsrDefNet.h"
#include "simulator/tests/TestElements.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

std::string Ports(const NetElement& element) {
  std::string text;
  for (int k = 0; k < element.GetPortCount(); ++k) {
    const Zweig port = element.GetPort(k);
    text += std::string(" (") + std::to_string(port.nodePlus) + "," +
            std::to_string(port.nodeMinus) + ")";
  }
  return text;
}

std::string Elements(const ElementList& list) {
  std::string text;
  for (NetElement* element : list.Values()) {
    text += std::string("  ") + element->GetTypeName().ToCString() + " " +
            element->GetName().ToCString() + Ports(*element);
    if (const auto* model = dynamic_cast<const TestModel*>(element)) {
      for (const MyStrng& value : model->values)
        text += std::string(" [") + value.ToCString() + "]";
    }
    text += "\n";
  }
  return text;
}

std::string Nodes(const NodeList& list) {
  std::string text;
  for (int node : list.Values()) text.append(" ").append(std::to_string(node));
  return text;
}

// Empty sections are left out.
std::string Table(const char* title, const SymbolTable& table) {
  std::string text;
  for (const TabElement& entry : table.GetEntries()) {
    text +=
        std::string(" ") + entry.GetName().ToCString() + "=" + entry.GetValue().ToCString() + ";";
  }
  return text.empty() ? text : std::string(title) + text + "\n";
}

}  // namespace

ReaderHarness::ReaderHarness() {
  RegisterTestElements(elements);
  RegisterTestDataObjects(dataKinds);
  reader.SetRegistries(&elements, &dataKinds);
  reader.SetSweep(&sweep);
}

std::vector<std::string> ReaderHarness::LoadNetlist(const std::string& fileName) {
  std::ifstream in(std::filesystem::path(VOSTRANE_NETLIST_CORPUS) / fileName);
  std::vector<std::string> text;
  for (std::string line; std::getline(in, line);) text.push_back(line);
  return text;
}

bool ReaderHarness::Run(const std::vector<std::string>& text) {
  return ReadUpToNets(reader, text) && reader.BuildNets() && reader.GetErrorCode() == 0;
}

std::vector<std::string> ReaderHarness::QueuedMessages() { return ::QueuedMessages(); }

std::string ReaderHarness::Describe() const {
  std::string text = Table("labels:", reader.GetLabels()) + Table("data:", reader.GetDataTable());
  std::string objects;
  for (const TabElement& entry : reader.GetDataTable().GetEntries()) {
    if (entry.IsRow()) continue;
    if (const auto* object =
            dynamic_cast<const TestDataObject*>(reader.FindDataObject(entry.GetName()))) {
      objects += std::string(" ") + object->GetName().ToCString() + " " + object->kind.ToCString() +
                 "/" + std::to_string(object->rows.size());
    }
  }
  if (!objects.empty()) text += std::string("objects:") + objects + "\n";
  if (reader.HasFreq()) {
    char line[96];
    std::snprintf(line, sizeof line, "sweep: %c %g %g %d\n", sweep.mode, sweep.start, sweep.stop,
                  sweep.count);
    text += line;
  }
  if (reader.HasOut()) {
    text += std::string("out: ") + reader.GetOutKind() + " '" +
            reader.GetOutputFormat().ToCString() + "'\n";
  }
  for (int i = 0; i < reader.GetUsrNetCount(); ++i) {
    const UsrDefNet& net = *reader.GetUsrNet(i);
    text += std::string("net ") + net.GetName().ToCString() + " " +
            net.GetPortDefinition().ToCString() + ":";
    for (int k = 0; k < net.GetPortCount(); ++k) {
      text += std::string(" (") + std::to_string(net.GetNetPort(k).nodePlus) + "," +
              std::to_string(net.GetNetPort(k).nodeMinus) + ")";
    }
    text += std::string(" nodes") + Nodes(net.GetNodeLabels()) + "\n" + Elements(net.GetElements());
  }
  for (int i = 0; i < reader.GetNonLinearNetCount(); ++i) {
    const NonLinearUsrNet& net = *reader.GetNonLinearNet(i);
    text += std::string("dc net ") + net.name.ToCString() + " nodes" + Nodes(net.nodeList) + "\n" +
            Elements(net.elements);
  }
  return text;
}
