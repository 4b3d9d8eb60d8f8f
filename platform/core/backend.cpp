#include "pf/backend.h"

#include "pf/dialog.h"
#include "pf/recording_dc.h"

namespace pf {
namespace {

Backend* installed = nullptr;

}  // namespace

std::unique_ptr<Dc> Backend::GetDC(Window&) { return std::make_unique<RecordingDc>(); }

std::unique_ptr<Dc> Backend::CreateMemoryDc(Size) { return std::make_unique<RecordingDc>(); }

std::unique_ptr<Dc> CreateMemoryDc(Size size) { return TheBackend().CreateMemoryDc(size); }

void Backend::RunModalLoop(Dialog& dialog) { dialog.EndDialog(kIdCancel); }

Backend& TheBackend() {
  static Backend nothing;
  return installed ? *installed : nothing;
}

void InstallBackend(Backend* backend) { installed = backend; }

}  // namespace pf
