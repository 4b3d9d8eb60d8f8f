#pragma once
// The data one-port: its behaviour comes from a table of measured reflection data, whose rows
// the document writes into the netlist's data block.

#include <cstdint>

#include "editor/symbols/EinPolSymbol.h"
#include "simulator/DataSet.h"

class OnePortSymbol : public EinPolSymbol, public DataSet {
  PF_DECLARE_RUNTIME(OnePortSymbol)

 public:
  static constexpr const char* kClassKey = "ONEPORT";

  // Version 1 files hold the base form only; from 2 on the name, the flag and the table follow.
  static constexpr int32_t kVersion = 2;

  OnePortSymbol();
  OnePortSymbol(const Point& start, const Point& end);

  // Throws pf::ArchiveError on a line count outside 0..250.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  MyStrng GetElementName() const override;
  void WriteNetLine() override;
  // A record with more lines than the table holds keeps the first 250.
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
  bool IsDataItem() const override;

  MyStrng dataName = "NoName";
  int32_t showLead = 0;

 private:
  void Init();
  // The line count as far as the table can hold it.
  int32_t StoredLines() const;
};
