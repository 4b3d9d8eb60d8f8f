#include "editor/desktop/MainFrame.h"

#include "pf/command_ids.h"
#include "pf/ui_services.h"
#include "resources/CommandIds.h"

namespace {

constexpr int kToolBarResource = 128;
constexpr int kElementBarResource = 130;
// The element bar breaks after this button, so it shows two rows.
constexpr int kElementBarWrapIndex = 35;

}  // namespace

CMainFrame::CMainFrame() { MapControlBarCommand(kIdViewElementBar); }

bool CMainFrame::LoadFrame(int resourceId) {
  const pf::Size screen = pf::TheUiServices().ScreenSize();
  if (!CreateTopLevel(nullptr, {0, 0, screen.cx, screen.cy})) return false;
  if (!LoadMenu(resourceId) || !CreateBars()) {
    DestroyWindow();
    return false;
  }
  return true;
}

bool CMainFrame::CreateBars() {
  toolBar_ = LoadToolBar(pf::kIdViewToolBar, kToolBarResource);
  elementBar_ = LoadToolBar(kIdViewElementBar, kElementBarResource);
  if (toolBar_ == nullptr || elementBar_ == nullptr) return false;
  const int count = static_cast<int>(elementBar_->Buttons().size());
  for (int i = 0; i < count; ++i) {
    elementBar_->SetButtonStyle(i, pf::ToolStyle::CheckGroup, i == kElementBarWrapIndex);
  }
  AddStatusBar();
  return true;
}
