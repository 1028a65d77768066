// "Coordenadas...": the coordinates of the figure's points, typed as whole numbers
// (or a plane's by where it cuts the axes) and set at once, redrawn as an edit
// redraws.
#include <QAction>

#include "app/ConstructionCommands.h"
#include "app/WindowCommands.h"
#include "drawing/FigureTexts.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "figures/Kind.h"
#include "scene/PlaneIntercepts.h"
#include "scene/Scene.h"

namespace app {

void WindowCommands::Coordinates() {
  // A construction exercise takes its markers' places instead.
  if (auto* construction = ConstructionCommands::Of(window_);
      construction != nullptr && construction->TakeCoordinates())
    return;
  scene::Scene& scene = window_.Scene();
  // The answer is judged on the exercise as set; typing it in would give it away.
  if (scene.AnswerHidden) {
    window_.ReportError(QStringLiteral(
        "Mientras un ejercicio espera su respuesta no se pueden cambiar las coordenadas."));
    return;
  }
  // A row for each point of the figure; the point being edited shows what the next
  // edit would store there.
  const figures::Kind& kind = figures::KindOf(scene.figure);
  CoordinatesInput io;
  io.line = kind.PointCount() == 2;
  io.plane = kind.TakesIntercepts();
  DihedralPoint* points[6] = {&io.a, &io.b, &io.c, &io.more[0], &io.more[1], &io.more[2]};
  const auto edited = static_cast<std::size_t>(scene.EditedIndex());
  const std::size_t count = kind.PointCount();
  if (count > 3) io.moreNames = QString::fromLatin1(kind.PointNames() + 3);
  for (std::size_t k = 0; k < 6; ++k) *points[k] = scene.Point(static_cast<int>(k));
  *points[edited] = scene.EditPoint;
  for (;;) {
    if (!window_.Dialogs().AskCoordinates(&window_, io)) return;
    if (io.intercepts.trimmed().isEmpty()) break;
    DihedralPoint cuts[3];
    std::string fault;
    if (scene::PointsOfIntercepts(io.intercepts.toStdString(), cuts, &fault)) {
      io.a = cuts[0];
      io.b = cuts[1];
      io.c = cuts[2];
      break;
    }
    // Nothing typed is lost: the dialog comes back with the message.
    window_.Dialogs().ShowError(&window_,
                                QStringLiteral("α(x, y, z): ") + QString::fromStdString(fault));
  }
  for (std::size_t k = 0; k < count; ++k) scene.Point(static_cast<int>(k)) = *points[k];
  scene.EditPoint = *points[edited];
  window_.EditCoordinate([] {});
}

}  // namespace app

void TQuorvel::CoordinatesClick() {
  findChild<QAction*>(QStringLiteral("Coordenadas"))->trigger();
}
