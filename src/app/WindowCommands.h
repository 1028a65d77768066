// The window's own commands: the keys that press its buttons, "Coordenadas...",
// full screen and the help window that lists them all, with the focus mark and
// the guard against the second click of a double click on "TEST".
#pragma once

#include <QString>
#include <vector>

#include "app/UnitQuorvel.h"

class QAction;
class QDialog;

namespace app {

// One row of the help window's table of keys.
struct KeyRow {
  QString key;
  QString action;
};

// The keys that press the window's buttons, in the order the help lists them.
const std::vector<KeyRow>& ButtonKeys();

// The help window's text for a window: the guide, the keys and the commands of
// its context menu as they stand now.
QString HelpHtml(const TQuorvel& window);

class WindowCommands : public CommandGroup {
 public:
  explicit WindowCommands(TQuorvel& window);
  void Coordinates();
  void ToggleFullScreen();
  void ShowHelp();
  void ControlMade(QWidget* control) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // One action a key, each a window shortcut.
  void CreateKeys();
  // A text field keeps the keys it edits with: it claims them before the shortcuts.
  void WatchTextFields(QWidget* root);
  QAction* escape_ = nullptr;
  QDialog* help_ = nullptr;  // made at its first opening
  quint64 testClickedAt_ = 0;
  bool testClicked_ = false;
};

}  // namespace app
