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
#include "figures/Kind.h"
#include "scene/PlaneIntercepts.h"
#include "scene/Scene.h"

namespace app {

namespace {

const char* const kObjectName = "PlanoPorTresPuntos";

}  // namespace

PlaneCommands::PlaneCommands(TQuorvel& window) : CommandGroup(window) {
  setObjectName(QStringLiteral("PlaneCommands"));
  action_ = MakeCommand(window, kObjectName);
  action_->setChecked(window.Scene().IsPlane());
  window.AddCommand(action_, [this] { Toggled(action_->isChecked()); });
}

PlaneCommands* PlaneCommands::Of(const QObject& window) {
  return window.findChild<PlaneCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

void PlaneCommands::Select(bool a, bool c, const QString& caption) {
  window_.Scene().SelectedA = a;
  window_.Scene().SelectedC = c;
  window_.Scene().EditPoint = c   ? window_.Scene().PointC
                              : a ? window_.Scene().PointA
                                  : window_.Scene().PointB;
  window_.SetPACaption(caption.toStdString());
}

void PlaneCommands::Toggled(bool on) {
  if (on == window_.Scene().IsPlane()) return;
  // The exercise is judged as set; a plane would hide it, and a plane exercise
  // needs its plane.
  if (window_.Scene().AnswerHidden) {
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
  window_.Scene().figure = on ? scene::Figure::kPlane : scene::Figure::kLine;
  // Plane mode starts on A; leaving it from C goes back to A. An A already being
  // edited keeps its edit: on the splash, the point it shows is not stored yet.
  if (on || window_.Scene().SelectedC) {
    const bool onA = window_.Scene().SelectedA && !window_.Scene().SelectedC;
    const DihedralPoint edit = window_.Scene().EditPoint;
    Select(true, false, QStringLiteral("A"));
    if (onA) window_.Scene().EditPoint = edit;
  }
  // On the splash too: the plane is drawn at once, as the first edit draws it.
  if (!window_.Activated()) return;
  window_.EditCoordinate([] {});
}

bool PlaneCommands::SelectNext() {
  if (!window_.Scene().IsPlane()) return false;
  QPalette p = window_.endPointButton->palette();
  p.setColor(QPalette::ButtonText, QColor(255, 0, 0));
  p.setColor(QPalette::WindowText, QColor(255, 0, 0));
  window_.endPointButton->setPalette(p);
  if (window_.Scene().SelectedC)
    Select(true, false, QStringLiteral("A"));
  else if (window_.Scene().SelectedA)
    Select(false, false, QStringLiteral("B"));
  else
    Select(false, true, QStringLiteral("C"));
  figures::InfoUpdate(window_.Painter(), window_.Scene());
  return true;
}

bool PlaneCommands::LeaveForLine() {
  if (!window_.Scene().IsPlane()) return false;
  {
    const QSignalBlocker quiet(action_);
    action_->setChecked(false);
  }
  window_.Scene().figure = scene::Figure::kLine;
  if (window_.Scene().SelectedC) Select(true, false, QStringLiteral("A"));
  return true;
}

void PlaneCommands::FollowScene() {
  const QSignalBlocker quiet(action_);
  action_->setChecked(window_.Scene().IsPlane());
}

}  // namespace app
