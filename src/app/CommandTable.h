// Every entry of the drawing area's context menu with its key, and every key of
// the window's buttons: the one list that the help window's menu is checked
// against and that --help (and so the manual page) prints.
#pragma once

#include <QString>
#include <vector>

namespace app {

struct CommandRow {
  const char* text;  // as the menu shows it
  const char* keys;  // as the help window shows them; empty when none
};

// In menu order.
const std::vector<CommandRow>& MenuCommands();

// The keys and the menu as plain text sections for --help.
QString KeysAndCommandsText();

}  // namespace app
