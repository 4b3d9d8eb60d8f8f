#include "editor/document/SpiceManager.h"

#include <utility>

#include "basics/VS_Error.h"

namespace {

SpiceManager::Starter& InstalledStarter() {
  static SpiceManager::Starter starter;
  return starter;
}

}  // namespace

void SpiceManager::InstallStarter(Starter starter) { InstalledStarter() = std::move(starter); }

bool SpiceManager::StartSimulator(const MyStrng& home) {
  std::unique_ptr<SpiceRun> started;
  if (HasWrittenNetlist() && InstalledStarter()) started = InstalledStarter()(home, netlistPath);
  if (!started) {
    VS_Error().Error("Spice wurde nicht gestartet", 4);
    return false;
  }
  RunStarted(std::move(started));
  return true;
}
