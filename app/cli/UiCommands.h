#pragma once
// The actions of ui-script, one row each: its columns are all that the player knows of an action
// beyond its handlers (the table, Commands(), is in UiScript.cpp; its rules are checked by
// tests/ui_commands_test.cpp).

#include <functional>
#include <span>

namespace pf {
class DialogDriver;
}

namespace ui_script {

class Player;
struct Call;

// Where a line stands: at the script's top level, in a dialog block or in a window block.
enum class Place { kScript, kDialog, kWindow };

// What a line of a block does to its dialog (when the dialog opens) or window (at once).
using Action = std::function<void(pf::DialogDriver&)>;

struct Command {
  const char* name = nullptr;
  const char* usage = nullptr;  // the words after the name; "" for none
  // Plays the line at the top level; nullptr for a line of blocks only.
  bool (Player::*play)(Call& call) = nullptr;
  // Checks the line's words in a block and makes its action; nullptr for a line not in blocks.
  bool (Player::*make)(Call& call, Action& action) = nullptr;
  bool dialogsOnly = false;  // in dialog blocks, not in window blocks
  bool closes = false;       // ends its block
  // An answer or a dialog's script for the action after it; it may also stand after the program
  // has ended (for its last box).
  bool prepares = false;
  bool realTime = false;       // waits on the wall clock: a confined script may not
  const char* menu = nullptr;  // the menu item it chooses

  bool PlaysIn(Place place) const {
    switch (place) {
      case Place::kScript:
        return play != nullptr;
      case Place::kDialog:
        return make != nullptr;
      case Place::kWindow:
        return make != nullptr && !dialogsOnly;
    }
    return false;
  }
};

// In the order the player's messages list them.
std::span<const Command> Commands();

}  // namespace ui_script
