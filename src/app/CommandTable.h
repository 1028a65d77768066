// Every entry of the drawing area's context menu, written once with its text, key
// and checkability: the command groups make their actions from it, the menu
// lists it in its order (and the help window reads the menu), and --help, and so
// the manual page, prints it with the keys of the window's buttons.
#pragma once

#include <QString>
#include <vector>

class QAction;
class QObject;

namespace app {

struct CommandRow {
  const char* name;  // the action's object name, by which tests and tools find it
  const char* text;  // as the menu shows it
  const char* keys;  // its shortcut in portable text ("Ctrl+S"); empty when none
  bool checkable;
  const char* tip;  // the status tip; empty when none
  bool opensGroup;  // a separator comes before it in the menu
};

// In menu order.
const std::vector<CommandRow>& MenuCommands();
// The row whose action has that object name; null when none has.
const CommandRow* CommandNamed(const QString& name);
// The action of the row named `name`, a child of `window`, with the row's text,
// key, checkability and tip. A name missing from the table stops the program.
QAction* MakeCommand(QObject& window, const char* name);

// The keys and the menu as plain text sections for --help.
QString KeysAndCommandsText();

}  // namespace app
