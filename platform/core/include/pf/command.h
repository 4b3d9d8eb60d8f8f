#pragma once
// Commands (menu items, toolbar buttons, dialog buttons) and their update handlers. A target maps
// command ids to handlers; a frame hands a command along a route of targets (active view, its
// document, the frame, the application) and the first target that knows the id takes it.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "pf/object.h"

namespace pf {

// What an update handler says about a command: enabled, check state, text.
struct CmdUI {
  int id = 0;
  bool enabled = true;
  int check = 0;
  std::optional<std::string> text;
  bool visible = true;  // a menu item may leave its menu (the unused recent-file entries)

  void Enable(bool on = true) { enabled = on; }
  void SetCheck(int state = 1) { check = state; }
  void SetText(std::string t) { text = std::move(t); }
};

class CommandTarget : public Object {
 public:
  bool HasCommandHandler(int id) const;
  // False when this target has no handler for the id.
  bool RunCommand(int id);
  bool RunUpdate(CmdUI& ui);

  // The update handlers decide along the route; without one, a command is enabled exactly when
  // some target on the route handles it.
  static void UpdateAlong(std::span<CommandTarget* const> route, CmdUI& ui);
  // Runs the command in the first target that handles it; false when none does.
  static bool RunAlong(std::span<CommandTarget* const> route, int id);

 protected:
  // A later mapping of an id replaces an earlier one.
  void MapCommand(int id, std::function<void()> handler);
  void MapCommandRange(int first, int last, std::function<void(int id)> handler);
  void MapUpdate(int id, std::function<void(CmdUI&)> handler);
  void MapUpdateRange(int first, int last, std::function<void(CmdUI&)> handler);

 private:
  struct CommandEntry {
    int first;
    int last;
    std::function<void(int)> run;
  };
  struct UpdateEntry {
    int first;
    int last;
    std::function<void(CmdUI&)> update;
  };
  const CommandEntry* FindCommand(int id) const;
  const UpdateEntry* FindUpdate(int id) const;

  std::vector<CommandEntry> commands_;
  std::vector<UpdateEntry> updates_;
};

}  // namespace pf
