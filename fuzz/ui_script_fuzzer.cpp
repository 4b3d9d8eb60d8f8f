// Plays arbitrary bytes as a ui-script, confined: a script that names a path beyond its working
// folder or waits in real time is refused (exit status 2) before anything runs, and no SPICE
// program is started, so a run writes only in its own scratch folder (and the drive root put
// there) and spawns nothing. Every run starts in a fresh folder with the circuits and files that
// the test scripts use. No script may crash, hang or leave windows open behind it.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/cli/UiScript.h"
#include "app/startup/RegisterAll.h"
#include "basics/VS_Error.h"
#include "editor/document/SpiceManager.h"
#include "pf/path_map.h"
#include "pf/window.h"

namespace fs = std::filesystem;

namespace {

struct Fixture {
  std::string name;
  std::string bytes;
};

std::vector<Fixture> fixtures;
fs::path scratch;
// libFuzzer reads its corpus by the paths it was given: each run ends where it began.
fs::path home;

void ReadFixtures(const fs::path& dir) {
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".txt") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    fixtures.push_back({entry.path().filename().string(),
                        std::string(std::istreambuf_iterator<char>(in), {})});
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::string folder = (fs::temp_directory_path() / "vostrane_ui_fuzz_XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) std::abort();
  scratch = folder;
  home = fs::current_path();
  std::atexit([] {
    std::error_code ignored;
    fs::remove_all(scratch, ignored);
  });
  for (const char* dir : {"/examples", "/app/cli/tests/ui", "/app/cli/tests/data"}) {
    ReadFixtures(std::string(VOSTRANE_SOURCE_DIR) + dir);
  }
  pf::SetDriveRoot((scratch / "run" / "drive").string());
  SpiceManager::InstallStarter(
      [](const MyStrng&, const MyStrng&) -> std::unique_ptr<SpiceRun> { return nullptr; });
  RegisterAll();
  // What the script shows is of no interest here.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fs::path run = scratch / "run";
  fs::remove_all(run);
  fs::create_directories(run / "drive");
  for (const Fixture& f : fixtures) {
    std::ofstream(run / f.name, std::ios::binary) << f.bytes;
  }
  const fs::path script = scratch / "script.txt";
  std::ofstream(script, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  fs::current_path(run);
  VS_Error::ClearQueue();
  RunUiScript(script.c_str(), true);
  fs::current_path(home);
  if (!pf::Window::TopLevelWindows().empty()) std::abort();
  return 0;
}
