#pragma once
// Printing: a print job runs a view's print hooks page by page on a target that the backend
// makes (a printer, a PDF file).

#include <memory>

#include "pf/dc.h"
#include "pf/geometry.h"

namespace pf {

// What the hooks of a job share. Without SetMaxPage a job prints one page.
struct PrintInfo {
  int minPage = 1;
  int maxPage = 1;
  int currentPage = 1;
  bool continuePrinting = true;
  Rect drawRect;  // the page in device units

  void SetMaxPage(int page) { maxPage = page; }
};

class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  // The job's context, the same for every page; device units are printer dots.
  virtual Dc& GetDc() = 0;
  virtual Size PageSize() const = 0;
  // Completes the page; the next one starts empty.
  virtual bool EndPage() = 0;
  // Completes the job; false when anything failed on the way.
  virtual bool Finish() = 0;
};

}  // namespace pf
