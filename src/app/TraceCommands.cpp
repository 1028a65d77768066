#include "app/TraceCommands.h"

#include <QAction>
#include <QPlainTextEdit>

#include "app/CommandTable.h"
#include "drawing/Frame.h"
#include "drawing/Painter.h"
#include "drawing/TraceDrawing.h"
#include "scene/Scene.h"

namespace app {

namespace {

void DrawTracesOverThePicture(drawing::Painter& painter, const scene::Scene& scene) {
  // A plane draws its own traces, α1 and α2; A and B are only two of its points.
  if (scene.HasPlane()) return;
  painter.Select320x200();
  drawing::DrawLineTraces(painter, scene.PointA, scene.PointB, 1, scene.VisibilityOn);
}

}  // namespace

TraceCommands::TraceCommands(TQuorvel& window) : CommandGroup(window) {
  QAction* action = MakeCommand(window, "MostrarTrazas");
  // A run started with the traces on shows the entry ticked.
  action->setChecked(window_.Scene().TracesOn);
  window.AddCommand(action, [this, action] { Toggled(action->isChecked()); });
}

bool TraceCommands::ResultOnSurface() const {
  return resultShown_ && resultFrame_ == window_.Painter().FramesDrawn;
}

void TraceCommands::Toggled(bool on) {
  window_.Scene().TracesOn = on;
  // Before the first picture the splash stays; the first edit draws them. In point
  // mode there are none, and while an exercise waits they would give the answer
  // away: the picture stays as it is.
  const scene::Scene& scene = window_.Scene();
  if (!window_.Activated() || !window_.splashText->isHidden() || scene.IsPoint() ||
      scene.AnswerHidden)
    return;
  if (ResultOnSurface()) {
    // Drawn over the verdict; hiding them again waits for the next edit, which is
    // when the score panel goes too.
    if (on) DrawTracesOverThePicture(window_.Painter(), window_.Scene());
    return;
  }
  window_.EditCoordinate([] {});
}

void TraceCommands::AnswerChecked() {
  resultShown_ = window_.Quiz().ExerciseAnswered;
  resultFrame_ = window_.Painter().FramesDrawn;
  const scene::Scene& scene = window_.Scene();
  if (resultShown_ && scene.TracesOn && !scene.IsPoint() && !scene.AnswerHidden)
    DrawTracesOverThePicture(window_.Painter(), window_.Scene());
}

}  // namespace app
