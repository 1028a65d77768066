#include "app/TraceCommands.h"

#include <QAction>
#include <QPlainTextEdit>

#include "app/CommandTable.h"
#include "drawing/Frame.h"
#include "drawing/LogicalWindow.h"
#include "drawing/TraceDrawing.h"
#include "scene/PlaneScene.h"

namespace app {

namespace {

void DrawTracesOverThePicture() {
  // A plane draws its own traces, α1 and α2; A and B are only two of its points.
  if (scene::PlaneMode) return;
  drawing::Select320x200();
  drawing::DrawLineTraces(scene::PointA, scene::PointB, 1);
}

}  // namespace

TraceCommands::TraceCommands(TQuorvel& window) : CommandGroup(window) {
  QAction* action = MakeCommand(window, "MostrarTrazas");
  // A run started with the traces on shows the entry ticked.
  action->setChecked(drawing::TracesOn);
  window.AddCommand(action, [this, action] { Toggled(action->isChecked()); });
}

bool TraceCommands::ResultOnSurface() const {
  return resultShown_ && resultFrame_ == drawing::FramesDrawn;
}

void TraceCommands::Toggled(bool on) {
  drawing::TracesOn = on;
  // Before the first picture the splash stays; the first edit draws them. In point
  // mode there are none, and while an exercise waits they would give the answer
  // away: the picture stays as it is.
  if (!window_.Activated() || !window_.Memo2->isHidden() || scene::PointMode || scene::AnswerHidden)
    return;
  if (ResultOnSurface()) {
    // Drawn over the verdict; hiding them again waits for the next edit, which is
    // when the score panel goes too.
    if (on) DrawTracesOverThePicture();
    return;
  }
  window_.EditCoordinate([] {});
}

void TraceCommands::AnswerChecked() {
  resultShown_ = window_.Quiz().ExerciseAnswered;
  resultFrame_ = drawing::FramesDrawn;
  if (resultShown_ && drawing::TracesOn && !scene::PointMode && !scene::AnswerHidden)
    DrawTracesOverThePicture();
}

}  // namespace app
