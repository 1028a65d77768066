// "Coordenadas...": the coordinates of A, and of B in line mode, typed as whole
// numbers and set at once, redrawn as an edit redraws.
#include <QAction>

#include "app/PlaneCommands.h"
#include "app/WindowCommands.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "figures/Kind.h"

namespace app {

void WindowCommands::Coordinates() {
  // The answer is judged on the exercise as set; typing it in would give it away.
  if (window_.Scene().AnswerHidden) {
    window_.ReportError(QStringLiteral(
        "Mientras un ejercicio espera su respuesta no se pueden cambiar las coordenadas."));
    return;
  }
  if (auto* planes = PlaneCommands::Of(window_); planes && planes->EditCoordinates()) return;
  // The end being edited shows what the next edit would store there.
  scene::Scene& scene = window_.Scene();
  const bool editsA = scene.IsPoint() || scene.SelectedA;
  CoordinatesInput io;
  io.line = !scene.IsPoint();
  io.a = editsA ? scene.EditPoint : scene.PointA;
  io.b = editsA ? scene.PointB : scene.EditPoint;
  if (!window_.Dialogs().AskCoordinates(&window_, io)) return;
  scene.PointA = io.a;
  if (io.line) scene.PointB = io.b;
  scene.EditPoint = editsA ? scene.PointA : scene.PointB;
  window_.Painter().Select320x200();
  drawing::RedrawFrame(window_.Painter(), scene.ProfileOn);
  figures::InfoUpdate(window_.Painter(), scene);
}

}  // namespace app

void TQuorvel::CoordinatesClick() {
  findChild<QAction*>(QStringLiteral("Coordenadas"))->trigger();
}
