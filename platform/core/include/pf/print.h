#pragma once
// Printing: a print job runs a view's print hooks page by page on a target that the backend
// makes (a printer, a PDF file, the pictures of the print preview).

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

// A job for the print preview: every page is drawn in the printer's device units and pictured
// smaller on the screen; the picture of one page is kept.
class PreviewTarget : public PrintTarget {
 public:
  // The pages completed so far.
  virtual int Pages() const = 0;
  // The picture of the kept page; empty until that page is complete.
  virtual const Bitmap& Picture() const = 0;
};

}  // namespace pf
