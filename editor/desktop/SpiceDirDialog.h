#pragma once
// The choice of the SPICE program (template 251): a path to "VosSpice.exe", typed or found with
// "Durchsuchen...". OK accepts only such a path; the directory in front of the program's name,
// with its final separator, becomes the SPICE home.

#include <string>

#include "basics/MyStrng.h"
#include "pf/dialog.h"

class SpiceDirDialog : public pf::Dialog {
 public:
  // The edit starts with the program's path in home, empty without a home.
  SpiceDirDialog(pf::Window* parent, const MyStrng& home);

  // After OK.
  const MyStrng& GetDirectory() const { return directory; }

  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

 private:
  MyStrng home;
  MyStrng directory;
};

// The directory of a path to the SPICE program: the path in front of the program's file name,
// with its final separator. False when the file name's text after its first '.' does not start
// with "EXE" or no word of it before that '.' is "VOSSPICE" (both in any case).
bool SpiceProgramDirectory(const std::string& path, std::string& directory);
