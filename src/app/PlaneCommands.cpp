#include "app/PlaneCommands.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QToolButton>
#include <string>

#include "app/CommandTable.h"
#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "drawing/FigureTexts.h"
#include "drawing/Painter.h"
#include "scene/PlaneIntercepts.h"
#include "scene/PlaneScene.h"

namespace app {

namespace {

const char* const kObjectName = "PlanoPorTresPuntos";

}  // namespace

PlaneCommands::PlaneCommands(TQuorvel& window) : CommandGroup(window) {
  setObjectName(QStringLiteral("PlaneCommands"));
  action_ = MakeCommand(window, kObjectName);
  action_->setChecked(scene::PlaneMode);
  window.AddCommand(action_, [this] { Toggled(action_->isChecked()); });
}

PlaneCommands* PlaneCommands::Of(const QObject& window) {
  return window.findChild<PlaneCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

void PlaneCommands::Select(bool a, bool c, const QString& caption) {
  scene::SelectedA = a;
  scene::SelectedC = c;
  scene::EditPoint = c ? scene::PointC : a ? scene::PointA : scene::PointB;
  window_.SetPACaption(caption.toStdString());
}

void PlaneCommands::Toggled(bool on) {
  if (on == scene::PlaneMode) return;
  // The exercise is judged as set; a plane would hide it, and a plane exercise
  // needs its plane.
  if (scene::AnswerHidden) {
    window_.Dialogs().ShowError(
        &window_,
        on ? QStringLiteral(
                 "Mientras un ejercicio espera su respuesta no se puede pasar a un plano.")
           : QStringLiteral(
                 "Mientras un ejercicio espera su respuesta no se puede salir del plano."));
    const QSignalBlocker quiet(action_);
    action_->setChecked(!on);
    return;
  }
  scene::PlaneMode = on;
  scene::PointMode = false;
  // Plane mode starts on A; leaving it from C goes back to A. An A already being
  // edited keeps its edit: on the splash, the point it shows is not stored yet.
  if (on || scene::SelectedC) {
    const bool onA = scene::SelectedA && !scene::SelectedC;
    const DihedralPoint edit = scene::EditPoint;
    Select(true, false, QStringLiteral("A"));
    if (onA) scene::EditPoint = edit;
  }
  // On the splash too: the plane is drawn at once, as the first edit draws it.
  if (!window_.Activated()) return;
  window_.EditCoordinate([] {});
}

bool PlaneCommands::SelectNext() {
  if (!scene::PlaneMode) return false;
  QPalette p = window_.endPointButton->palette();
  p.setColor(QPalette::ButtonText, QColor(255, 0, 0));
  p.setColor(QPalette::WindowText, QColor(255, 0, 0));
  window_.endPointButton->setPalette(p);
  if (scene::SelectedC)
    Select(true, false, QStringLiteral("A"));
  else if (scene::SelectedA)
    Select(false, false, QStringLiteral("B"));
  else
    Select(false, true, QStringLiteral("C"));
  drawing::InfoUpdate(window_.Painter());
  return true;
}

bool PlaneCommands::LeaveForLine() {
  if (!scene::PlaneMode) return false;
  {
    const QSignalBlocker quiet(action_);
    action_->setChecked(false);
  }
  scene::PlaneMode = false;
  scene::PointMode = false;
  if (scene::SelectedC) Select(true, false, QStringLiteral("A"));
  return true;
}

void PlaneCommands::FollowScene() {
  const QSignalBlocker quiet(action_);
  action_->setChecked(scene::PlaneMode);
}

bool PlaneCommands::EditCoordinates() {
  if (!scene::PlaneMode) return false;
  // The point being edited shows what the next edit would store there.
  CoordinatesInput io;
  io.plane = true;
  io.a = scene::PointA;
  io.b = scene::PointB;
  io.c = scene::PointC;
  DihedralPoint& edited = scene::SelectedC ? io.c : scene::SelectedA ? io.a : io.b;
  edited = scene::EditPoint;
  for (;;) {
    if (!window_.Dialogs().AskCoordinates(&window_, io)) return true;
    if (io.intercepts.trimmed().isEmpty()) break;
    DihedralPoint points[3];
    std::string fault;
    if (scene::PointsOfIntercepts(io.intercepts.toStdString(), points, &fault)) {
      io.a = points[0];
      io.b = points[1];
      io.c = points[2];
      break;
    }
    // Nothing typed is lost: the dialog comes back with the message.
    window_.Dialogs().ShowError(&window_,
                                QStringLiteral("α(x, y, z): ") + QString::fromStdString(fault));
  }
  scene::PointA = io.a;
  scene::PointB = io.b;
  scene::PointC = io.c;
  scene::EditPoint = scene::SelectedC ? io.c : scene::SelectedA ? io.a : io.b;
  window_.EditCoordinate([] {});
  return true;
}

}  // namespace app
