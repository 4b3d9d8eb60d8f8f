#include "pf/command.h"

#include <algorithm>

namespace pf {

// The latest mapping of an id wins, so a derived class overrides what its base mapped.
const CommandTarget::CommandEntry* CommandTarget::FindCommand(int id) const {
  auto it = std::find_if(commands_.rbegin(), commands_.rend(),
                         [id](const CommandEntry& e) { return id >= e.first && id <= e.last; });
  return it == commands_.rend() ? nullptr : &*it;
}

const CommandTarget::UpdateEntry* CommandTarget::FindUpdate(int id) const {
  auto it = std::find_if(updates_.rbegin(), updates_.rend(),
                         [id](const UpdateEntry& e) { return id >= e.first && id <= e.last; });
  return it == updates_.rend() ? nullptr : &*it;
}

bool CommandTarget::HasCommandHandler(int id) const { return FindCommand(id) != nullptr; }

bool CommandTarget::RunCommand(int id) {
  const CommandEntry* e = FindCommand(id);
  if (e == nullptr) return false;
  // A copy: the handler may map further commands and move the table.
  const auto run = e->run;
  run(id);
  return true;
}

bool CommandTarget::RunUpdate(CmdUI& ui) {
  const UpdateEntry* e = FindUpdate(ui.id);
  if (e == nullptr) return false;
  const auto update = e->update;
  update(ui);
  return true;
}

void CommandTarget::UpdateAlong(std::span<CommandTarget* const> route, CmdUI& ui) {
  for (CommandTarget* t : route) {
    if (t != nullptr && t->RunUpdate(ui)) return;
  }
  ui.Enable(std::any_of(route.begin(), route.end(), [&](const CommandTarget* t) {
    return t != nullptr && t->HasCommandHandler(ui.id);
  }));
}

bool CommandTarget::RunAlong(std::span<CommandTarget* const> route, int id) {
  for (CommandTarget* t : route) {
    if (t != nullptr && t->RunCommand(id)) return true;
  }
  return false;
}

void CommandTarget::MapCommand(int id, std::function<void()> handler) {
  commands_.push_back({id, id, [h = std::move(handler)](int) { h(); }});
}

void CommandTarget::MapCommandRange(int first, int last, std::function<void(int)> handler) {
  commands_.push_back({first, last, std::move(handler)});
}

void CommandTarget::MapUpdate(int id, std::function<void(CmdUI&)> handler) {
  updates_.push_back({id, id, std::move(handler)});
}

void CommandTarget::MapUpdateRange(int first, int last, std::function<void(CmdUI&)> handler) {
  updates_.push_back({first, last, std::move(handler)});
}

}  // namespace pf
