#pragma once
// The common file and colour dialogs, on pf::UiServices. The platform's rules live here, so
// every backend behaves alike: the name chosen becomes the file's absolute path (AbsolutePath:
// a drive's path mapped, "." and ".." resolved), a name without an extension gets the default
// one unless it ends in a folder ("C:", "x/"), and on OK the current directory becomes the
// chosen file's folder unless kOfnNoChangeDir is given.

#include <string>

#include "pf/colour.h"
#include "pf/ui_services.h"

namespace pf {

class FileDialog {
 public:
  // The default extension may be given with or without its dot.
  FileDialog(bool open, std::string defaultExt = {}, std::string fileName = {},
             unsigned flags = kOfnHideReadOnly | kOfnOverwritePrompt, std::string filter = {});

  // kIdOk or kIdCancel.
  int DoModal();
  const std::string& GetPathName() const { return path_; }  // absolute
  std::string GetFileName() const;                          // "name.ext"
  std::string GetFileExt() const;                           // "ext"
  std::string GetFileTitle() const;                         // "name"

 private:
  FileDialogRequest request_;
  std::string path_;
};

class ColorDialog {
 public:
  explicit ColorDialog(ColorRef initial = Rgb(0, 0, 0)) : color_(initial) {}
  int DoModal();
  ColorRef GetColor() const { return color_; }

 private:
  ColorRef color_;
};

}  // namespace pf
