// "Plano por tres puntos" (P): plane mode on and off, the A, B, C cycle of the
// point selector, "recta / punto" back to line mode, and the coordinates dialog
// of the plane. One object owns the action; the window's handlers ask it first.
#pragma once

#include "app/UnitQuorvel.h"

namespace app {

class PlaneCommands : public CommandGroup {
  Q_OBJECT

 public:
  explicit PlaneCommands(TQuorvel& window);

  // Each returns false outside plane mode, so the caller goes on as before.
  // The next of A, B, C, named on the selector; texts and projections go over the
  // picture as the A/B switch draws them.
  bool SelectNext();
  // Plane mode off, line mode on, A selected; the caller redraws.
  bool LeaveForLine();
  // The entry ticked as the scene's mode is, after an exercise set a plane or not.
  void FollowScene();

  // The window's plane commands, or null before they exist.
  static PlaneCommands* Of(const QObject& window);

 private:
  void Toggled(bool on);
  void Select(bool a, bool c, const QString& caption);

  QAction* action_ = nullptr;
};

}  // namespace app
