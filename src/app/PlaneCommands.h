// "Plano por tres puntos" (P): plane mode on and off, the A, B, C cycle of the
// point selector, "recta / punto" back to line mode, and the coordinates dialog
// of the plane. One object owns the action; the window's handlers ask it first.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "scene/Scene.h"

class QAction;
class QWidget;
class TQuorvel;

namespace app {

// What the plane's "Coordenadas..." dialog edits; a non-empty intercepts text
// ("x,y,z", whole numbers or inf) replaces the three points.
struct PlaneInput {
  DihedralPoint a, b, c;
  QString intercepts;
};

// Asks for the plane; false when the user cancels. The default is a modal dialog;
// tests install their own. An empty function restores it.
using PlanePrompt = std::function<bool(QWidget* parent, PlaneInput& io)>;
void SetPlanePrompt(PlanePrompt prompt);

class PlaneCommands : public QObject {
  Q_OBJECT

 public:
  // edit runs a change as a scroll bar does: frame, change, information update.
  using Edit = std::function<void(const std::function<void()>& change)>;
  PlaneCommands(TQuorvel& window, Edit edit);

  QAction* Action() const { return action_; }

  // Each returns false outside plane mode, so the caller goes on as before.
  // The next of A, B, C, named on the selector; texts and projections go over the
  // picture as the A/B switch draws them.
  bool SelectNext();
  // Plane mode off, line mode on, A selected; the caller redraws.
  bool LeaveForLine();
  // The dialog of the three points and the intercepts.
  bool EditCoordinates();

  // The window's plane commands, or null before they exist.
  static PlaneCommands* Of(const QObject& window);

 private:
  void Toggled(bool on);
  void Select(bool a, bool c, const QString& caption);

  TQuorvel& window_;
  Edit edit_;
  QAction* action_ = nullptr;
};

}  // namespace app
