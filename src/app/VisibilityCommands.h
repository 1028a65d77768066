// "Partes vistas y ocultas" (Ctrl+Shift+V): the context-menu entry that splits the
// line into its seen and hidden parts and names the quadrants it crosses.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

class QAction;
class QWidget;

namespace app {

// Owns its checkable action; the window puts it in its menu and gives it a way to
// draw the picture again as an edit would (when the window has one to draw).
class VisibilityCommands : public QObject {
 public:
  VisibilityCommands(QWidget* window, std::function<void()> redraw);
  QAction* Action() const { return action_; }

 private:
  void Toggled(bool on);

  QAction* action_ = nullptr;
  std::function<void()> redraw_;
  // The frame on which "comprobar" last showed a verdict: redrawing would wipe it.
  bool verdictShown_ = false;
  std::uint64_t verdictFrame_ = 0;
};

}  // namespace app
