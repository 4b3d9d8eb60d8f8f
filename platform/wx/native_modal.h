#pragma once
// A native modal window (a message box, a file, colour or print dialog) holds the program as
// the model's modal dialogs do: no window of the model takes input and idle processing stops
// while it is open; when it has closed, the window that was active has the keyboard again
// (ModalScope). It takes the keyboard itself when it shows, also without a window manager,
// where the toolkit leaves the keyboard with the window behind it and the box shows no focus;
// once the key that opened it is released.

#include "pf/modal_scope.h"

namespace pf {

class NativeModal {
 public:
  NativeModal();
  ~NativeModal();
  NativeModal(const NativeModal&) = delete;
  NativeModal& operator=(const NativeModal&) = delete;

 private:
  const ModalScope holdsTheProgram_;
  unsigned signal_ = 0;
  unsigned long hook_ = 0;
};

}  // namespace pf
