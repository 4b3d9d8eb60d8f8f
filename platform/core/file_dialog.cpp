#include "pf/file_dialog.h"

#include <filesystem>

#include "pf/path_map.h"
#include "pf/window.h"

namespace pf {

namespace fs = std::filesystem;

FileDialog::FileDialog(bool open, std::string defaultExt, std::string fileName, unsigned flags,
                       std::string filter) {
  // Some callers pass ".tex": the dot is not part of the extension.
  defaultExt.erase(0, defaultExt.find_first_not_of('.'));
  request_ = {open, std::move(defaultExt), std::move(fileName), std::move(filter), flags};
}

int FileDialog::DoModal() {
  const std::optional<std::string> chosen = TheUiServices().FileDialog(request_);
  if (!chosen || chosen->empty()) return kIdCancel;
  // A name that ends in a folder ("C:", "x/", "x/..") names that folder with its final '/',
  // which the reader or writer refuses: the default extension would make it a hidden ".vqe"
  // inside.
  const std::string last = fs::path(MapWindowsPath(*chosen)).filename().string();
  const bool folder = last.empty() || last == "." || last == "..";
  fs::path path = AbsolutePath(*chosen);
  if (path.empty()) return kIdCancel;
  if (folder) {
    if (path.string().back() != '/') path += "/";
  } else if (!path.has_extension() && !request_.defaultExt.empty()) {
    path += "." + request_.defaultExt;
  }
  path_ = path.string();
  std::error_code ec;
  if ((request_.flags & kOfnNoChangeDir) == 0) fs::current_path(path.parent_path(), ec);
  return kIdOk;
}

std::string FileDialog::GetFileName() const { return fs::path(path_).filename().string(); }

std::string FileDialog::GetFileExt() const {
  const std::string ext = fs::path(path_).extension().string();
  return ext.empty() ? ext : ext.substr(1);
}

std::string FileDialog::GetFileTitle() const { return fs::path(path_).stem().string(); }

int ColorDialog::DoModal() {
  const std::optional<ColorRef> chosen = TheUiServices().ColorDialog(color_);
  if (!chosen) return kIdCancel;
  color_ = *chosen;
  return kIdOk;
}

}  // namespace pf
