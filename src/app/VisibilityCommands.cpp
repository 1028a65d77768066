#include "app/VisibilityCommands.h"

#include <QAction>
#include <QPlainTextEdit>

#include "app/CommandTable.h"
#include "drawing/Frame.h"
#include "drawing/SeenAndHidden.h"
#include "scene/Scene.h"

namespace app {

VisibilityCommands::VisibilityCommands(TQuorvel& window) : CommandGroup(window) {
  QAction* action = MakeCommand(window, "PartesVistasOcultas");
  action->setChecked(window_.Scene().VisibilityOn);
  window.AddCommand(action, [this, action] { Toggled(action->isChecked()); });
}

void VisibilityCommands::AnswerChecked() {
  verdictShown_ = window_.Quiz().ExerciseAnswered;
  verdictFrame_ = window_.Painter().FramesDrawn;
}

void VisibilityCommands::Toggled(bool on) {
  window_.Scene().VisibilityOn = on;
  // In point mode there is no line, and while an exercise waits the parts would
  // give the answer away. A verdict on the surface stays until the next edit.
  if (window_.Scene().IsPoint() || window_.Scene().AnswerHidden) return;
  if (verdictShown_ && verdictFrame_ == window_.Painter().FramesDrawn) return;
  // Before the first picture the splash stays; the first edit draws the parts.
  if (window_.Activated() && window_.splashText->isHidden()) window_.EditCoordinate([] {});
}

}  // namespace app
