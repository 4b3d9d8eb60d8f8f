#pragma once
// Windows-style paths found in files and settings, mapped where they cross into the file system.

#include <string>
#include <string_view>

namespace pf {

// "C:\dir\file" and "C:/dir/file" become DriveRoot() + "/dir/file" for any drive letter, "."
// and ".." resolved by the name, as on the drive, ".." stopping at the drive root. Every other
// path names its file as it stands: on this system '\' is a character of a name (a file the
// user called "a\b.vqe" is that file), and a name made from it is written where it is read.
// The one mapping wherever a name enters: InputFile and WholeFile map the paths they open, the
// file dialogs the name chosen, App and Document the path a document is opened by (its title
// is the mapped file's name), so a path names one file everywhere.
std::string MapWindowsPath(std::string_view path);
// A name MapWindowsPath maps: a drive letter and ':' in front.
bool IsDrivePath(std::string_view path);
// The absolute path of the file a name names (a drive's path mapped), as the system finds it:
// "." and empty steps dropped, ".." the folder above the step before it, which for a link is
// above the link's target (lexically it would be another file). Empty when there is no
// working directory to start from.
std::string AbsolutePath(std::string_view name);
// What tells the file a name names from every other, however the name is spelt or linked: its
// device and inode while it exists (hard links too), else its AbsolutePath.
std::string FileKey(std::string_view name);

// The folder of the running program, where the files shipped with it lie; empty when the
// system does not tell.
std::string ProgramDirectory();

// Defaults to $VOSTRANE_DRIVE_ROOT, else $XDG_DATA_HOME/vostrane (or ~/.local/share/vostrane).
const std::string& DriveRoot();
void SetDriveRoot(std::string root);

}  // namespace pf
