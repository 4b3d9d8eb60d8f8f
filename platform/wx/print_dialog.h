#pragma once
// Printing on the desktop. The print dialog is GTK's, the one the toolkit shows on this
// platform; it chooses a printer or a file. The pages are drawn by our device context into a
// PDF file of A4 pages: the chosen file itself, or a temporary file that goes to the chosen
// printer when the job is complete.

#include <memory>
#include <string>

#include "pf/print.h"

class wxWindow;

namespace pf {

// nullptr when the user cancels or the file cannot be made (reported).
std::unique_ptr<PrintTarget> ShowPrintDialog(wxWindow* parent, const std::string& documentName);

}  // namespace pf
