#pragma once
// The name-to-value tables of the netlist reader: labels, DATA entries and network definitions.
// Names are unique within a table; values are plain text that the caller interprets.

#include <string_view>
#include <unordered_map>
#include <vector>

#include "basics/List.h"
#include "basics/MyStrng.h"
#include "basics/VS_Error.h"

class TabElement {
 public:
  TabElement() = default;
  // row > 0: the row-th numeric line behind a label (its name is the label's NAME and row).
  TabElement(const MyStrng& name, const MyStrng& value, int row = 0)
      : name(name), value(value), row(row) {}

  const MyStrng& GetName() const { return name; }
  const MyStrng& GetValue() const { return value; }
  int GetRow() const { return row; }
  bool IsRow() const { return row > 0; }
  // Entries are the same when their names are.
  bool operator==(const TabElement& other) const { return name == other.name; }

 private:
  MyStrng name;
  MyStrng value;
  int row = 0;
};

// Names are also indexed, so that netlists with many labels or networks read in linear time.
// A numbered row never collides: an entry takes its name from a row, and a row whose name is
// taken stays in the table by position only (DATA entries T1 with rows and T11 coexist).
class SymbolTable : public UniqueList<TabElement>, public VS_Error {
 public:
  static constexpr const char* kNotFound = "NOT_FOUND";

  // An entry whose name another entry has puts the cursor on that one and reports NAME
  // " Symbol bereits vorhanden"; rows are never found.
  bool Find(const TabElement& entry) override;
  void InsertUnique(const TabElement& entry) override;
  void RemoveAll() override;
  // False (and the report) for a duplicate name.
  bool Insert(const MyStrng& name, const MyStrng& value, int row = 0);

  // The value of the entry (else the row) of that exact name, or "NOT_FOUND"; the cursor is not
  // moved.
  MyStrng Lookup(const MyStrng& name) const;
  // The entries in insertion order.
  std::vector<TabElement> GetEntries() const;
  // Visits the entries in insertion order without copying them.
  using List<TabElement>::ForEach;
  // The entry inserted last, null when the table is empty.
  const TabElement* Last() const { return tail != nullptr ? &tail->value : nullptr; }

 private:
  // Keys view the names inside the entries, which stay in place until RemoveAll.
  std::unordered_map<std::string_view, Node*> index;
};
