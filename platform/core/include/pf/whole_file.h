#pragma once
// Files written whole or not at all. The new content goes to a temporary file beside the target
// (same folder, so the rename cannot cross file systems) and is renamed over the target only
// once it is complete and on disk: a failed write, a full disk included, leaves the previous
// file as it was and no temporary file behind; so does a signal that ends the program meanwhile
// (see RemoveUnfinishedFiles).

#include <functional>
#include <iosfwd>
#include <string>

namespace pf {

class WholeFile {
 public:
  // The target is mapped as InputFile maps the path it reads (MapWindowsPath). A link is
  // followed: its target is replaced (made when the link dangles) and the link stays;
  // links that lead round in a circle are not written (Path() stays empty). A target that
  // exists and is no regular file (a device, a pipe) cannot be replaced and is written directly;
  // a regular one without write permission is not written.
  explicit WholeFile(const std::string& target);
  // Removes the temporary file unless it was committed.
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  // Where the writer writes; empty when no temporary file could be made there.
  const std::string& Path() const { return path_; }
  // Writes Path() through a stream; false when there is no file or the stream fails.
  bool WriteStream(const std::function<bool(std::ostream&)>& write) const;
  // Puts the written file in the target's place with the previous file's permissions (a new
  // one gets the umask's). False, and the temporary file gone, when that fails.
  bool Commit();

 private:
  std::string target_;
  std::string path_;
  bool temporary_ = false;
  int slot_ = -1;  // where RemoveUnfinishedFiles finds the temporary file
};

// write(path) writes the file at the path it is given; false when it or the commit fails.
bool WriteWholeFile(const std::string& target,
                    const std::function<bool(const std::string& path)>& write);
// The same for a writer of a stream; a failed stream is a failed write.
bool WriteWholeStream(const std::string& target, const std::function<bool(std::ostream&)>& write);

// Removes the temporary files of the writes still going. Async-signal-safe: the handler of the
// signals that end the program calls it (HandleProgramSignals).
void RemoveUnfinishedFiles();

}  // namespace pf
