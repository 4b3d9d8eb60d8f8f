#include "simulator/DataOnePort.h"

#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"
#include "simulator/SymbolTable.h"

namespace {

constexpr DataPortMessages kOnePortMessages = {"Daten für Eintor nicht vorhanden",
                                               "Datenpointer für Eintor nicht vorhanden",
                                               " ist keine Eintor-Tabelle"};
constexpr DataPortMessages kTwoPortMessages = {"Datenpointer für Zweitor nicht vorhanden",
                                               "Datenpointer für Zweitor nicht vorhanden",
                                               " ist keine Zweitor-Tabelle"};

}  // namespace

template <class Base, class Table>
DataPortElement<Base, Table>::DataPortElement(const NetLine& line, const char* type,
                                              const DataPortMessages& texts)
    : Base(line), messages(texts) {
  this->typeName = type;
}

template <class Base, class Table>
void DataPortElement<Base, Table>::LinkReferences(NetLine& check) {
  Base::LinkReferences(check);
  if (check.GetErrorCode() != 0) return;
  if (NetContext::FindSymbolValue(check.GetNextToken()) == SymbolTable::kNotFound) {
    this->Error(messages.noEntry, 4);
  }
}

template <class Base, class Table>
void DataPortElement<Base, Table>::ParseLine(const SymbolTable& labels) {
  Base::ParseLine(labels);
  const MyStrng tableName = this->line.GetNextToken();
  NetDataElm* object = NetContext::FindDataObject(tableName);
  table = dynamic_cast<Table*>(object);
  if (object == nullptr) {
    this->Error(messages.noTable, 4);
  } else if (table == nullptr) {
    // A substrate or a table of the other kind would be read as something it is not.
    this->Error(tableName + messages.wrongKindTail, 4);
  }
}

template <class Base, class Table>
void DataPortElement<Base, Table>::FillMatrix(float frequency) {
  if (table != nullptr) table->ComputeAt(frequency);
  const bool usable = table != nullptr && this->code == 0;
  const int n = this->portCount;
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      const Cmplx y = usable ? table->GetAdmittance(row * n + col) : Cmplx();
      this->portMatrix->SetAt(y, row + 1, col + 1);
    }
  }
}

template class DataPortElement<EinTor, DataForOnePort>;
template class DataPortElement<ZweiTor, DataForTwoPort>;

DataOnePort::DataOnePort(const NetLine& line)
    : DataPortElement(line, "DataOnePort", kOnePortMessages) {}

NetElement* DataOnePort::Create(const NetLine& line) { return new DataOnePort(line); }

DataTwoPort::DataTwoPort(const NetLine& line)
    : DataPortElement(line, "DataTwoPort", kTwoPortMessages) {}

NetElement* DataTwoPort::Create(const NetLine& line) { return new DataTwoPort(line); }
