#pragma once
// Files written whole or not at all. The new content goes to a temporary file beside the target
// (same folder, so the rename cannot cross file systems) and is renamed over the target only
// once it is complete and on disk: a failed write, a full disk included, leaves the previous
// file as it was and no temporary file behind; so does a signal that ends the program meanwhile
// (see RemoveUnfinishedFiles).

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace pf {

class WholeFile {
 public:
  // kDropped: a target that its set of files holds no more. Nothing is written for it; its
  // previous file goes when the set is committed (see CommitTogether).
  enum class Kind { kWritten, kDropped };

  // The target is mapped as InputFile maps the path it reads (MapWindowsPath). A link is
  // followed: its target is replaced (made when the link dangles) and the link stays;
  // links that lead round in a circle are not written (Path() stays empty). A target that
  // exists and is no regular file (a device, a pipe) cannot be replaced and is written directly;
  // a regular one without write permission is not written.
  // Dropped, only a regular file (through links) goes, and the links stay; anything else there,
  // nothing included, is left alone. A read-only file is not removed (Path() stays empty).
  explicit WholeFile(const std::string& target, Kind kind = Kind::kWritten);
  // Removes the temporary file unless it was committed.
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  // Where the writer writes; empty when no temporary file could be made there.
  const std::string& Path() const { return path_; }
  // Writes Path() through a stream; false when there is no file or the stream fails, and for a
  // dropped target.
  bool WriteStream(const std::function<bool(std::ostream&)>& write) const;
  // Puts the written file in the target's place with the previous file's permissions (a new
  // one gets the umask's). False, and the temporary file gone, when that fails.
  bool Commit();

 private:
  friend std::optional<std::size_t> CommitTogether(std::span<WholeFile* const> files);
  // Gives the written file its permissions and puts it on disk; false when that fails.
  bool Settle();
  // Renames it over the target.
  bool Replace();
  // Removes the temporary file; a committed or direct file stays.
  void Discard();
  // A dropped target's previous file back from where Replace put it aside.
  void PutBack();

  std::string target_;
  // Written: the temporary file. Dropped: where the previous file is put aside (a temporary
  // name), the target itself when it has no file to drop.
  std::string path_;
  bool temporary_ = false;
  bool dropped_ = false;
  bool aside_ = false;  // a dropped target's file lies at path_
  int slot_ = -1;  // where RemoveUnfinishedFiles finds the temporary file
};

// Puts written files in their targets' places together, each as Commit does, for files that
// belong together (a pair of layers): either every target takes its new file, and every dropped
// one loses its file, or, when one fails, every target stays as it was (a new one is not made)
// and no temporary file is left; so does a signal that ends the program meanwhile. The dropped
// files go first, so no new file of the set ever stands beside an old one that the set holds no
// more. Which file failed; none when all are in place.
std::optional<std::size_t> CommitTogether(std::span<WholeFile* const> files);

// write(path) writes the file at the path it is given; false when it or the commit fails.
bool WriteWholeFile(const std::string& target,
                    const std::function<bool(const std::string& path)>& write);
// The same for a writer of a stream; a failed stream is a failed write.
bool WriteWholeStream(const std::string& target, const std::function<bool(std::ostream&)>& write);

// Removes the temporary files of the writes still going, once a set of files that another
// thread is putting in place holds its new files or its old ones again; that thread then waits
// for the program's end. Async-signal-safe: the handler of the signals that end the program
// calls it (HandleProgramSignals), and only it.
void RemoveUnfinishedFiles();

}  // namespace pf
