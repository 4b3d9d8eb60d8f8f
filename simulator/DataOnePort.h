#pragma once
// The elements "ONE" and "TWO": a one-port or two-port whose admittances come from a data table of
// the DATA block. Line: keyword, node list, table name.

#include "simulator/DataForOnePort.h"
#include "simulator/NetElement.h"

class SymbolTable;

// The messages of an element whose table is missing or of the other kind.
struct DataPortMessages {
  const char* noEntry;        // the DATA block has no entry of that name
  const char* noTable;        // the entry made no table
  const char* wrongKindTail;  // behind the name: the object is no table of this kind
};

template <class Base, class Table>
class DataPortElement : public Base {
 public:
  // The base check, then the table name must be an entry of the DATA block.
  void LinkReferences(NetLine& check) override;
  // The base read pass, then the table of that name must exist and be of this element's kind.
  void ParseLine(const SymbolTable& labels) override;
  // The table's admittances at frequency (Hz); zeros while the element carries an error.
  void FillMatrix(float frequency) override;
  bool SkipsFillMatrix() const override { return false; }

 protected:
  DataPortElement(const NetLine& line, const char* type, const DataPortMessages& messages);

 private:
  const DataPortMessages& messages;
  Table* table = nullptr;  // owned by the reader
};

extern template class DataPortElement<EinTor, DataForOnePort>;
extern template class DataPortElement<ZweiTor, DataForTwoPort>;

class DataOnePort : public DataPortElement<EinTor, DataForOnePort> {
 public:
  explicit DataOnePort(const NetLine& line);
  static NetElement* Create(const NetLine& line);
};

class DataTwoPort : public DataPortElement<ZweiTor, DataForTwoPort> {
 public:
  explicit DataTwoPort(const NetLine& line);
  static NetElement* Create(const NetLine& line);
};
