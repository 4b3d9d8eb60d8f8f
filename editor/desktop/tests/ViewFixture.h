#pragma once
// The headless program with one new circuit and its view, for tests of the view's commands
// and runs.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "pf/headless.h"
#include "pf/profile.h"
#include "resources/Resources.h"

class ViewFixture : public testing::Test {
 protected:
  void SetUp() override {
    RegisterResources();
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
    app = std::make_unique<CVostraneApp>(std::vector<std::string>{},
                                         [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app->InitInstance());
    view = dynamic_cast<CVostraneView*>(Frame().MdiGetActive()->GetActiveView());
    ASSERT_NE(view, nullptr);
  }

  CMainFrame& Frame() { return *app->GetMainFrame(); }
  CVostraneDoc& Doc() { return *view->GetDocument(); }
  // nullopt for a path the menus lack.
  std::optional<bool> Enabled(const char* path) {
    const std::optional<pf::MenuItem> item = headless.MenuItemState(Frame(), path);
    return item ? std::optional<bool>(item->enabled) : std::nullopt;
  }
  int Checked(const char* path) {
    const std::optional<pf::MenuItem> item = headless.MenuItemState(Frame(), path);
    return item ? item->check : -1;
  }

  pf::Headless headless;
  std::unique_ptr<CVostraneApp> app;
  CVostraneView* view = nullptr;
};
