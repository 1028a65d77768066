// "Mostrar trazas": the context-menu entry (Ctrl+T) that shows the traces of the
// line, and how the picture follows it without giving away a test's answer or
// wiping its score.
#include <QAction>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdint>
#include <memory>

#include "app/UnitQuorvel.h"
#include "drawing/Frame.h"
#include "drawing/LogicalWindow.h"
#include "drawing/TraceDrawing.h"
#include "quiz/TestMode.h"

namespace {

// The checked exercise's verdict and score panel stay on the surface until the
// next frame; nothing can draw them again, so the entry must not clear them.
struct CheckedResult {
  bool shown = false;
  std::uint64_t frame = 0;
  bool OnSurface() const { return shown && frame == drawing::FramesDrawn; }
};

bool TracesCanShow() {
  return drawing::TracesOn && !scene::PointMode && !scene::AnswerHidden;
}

void DrawTracesOverThePicture() {
  drawing::Select320x200();
  drawing::DrawLineTraces(scene::PointA, scene::PointB, 1);
}

}  // namespace

void TQuorvel::CreateTraceCommands() {
  auto* action = new QAction(QStringLiteral("Mostrar trazas"), this);
  action->setObjectName(QStringLiteral("MostrarTrazas"));
  action->setCheckable(true);
  // A run started with the traces on shows the entry ticked.
  action->setChecked(drawing::TracesOn);
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  AddCommand(action);

  auto result = std::make_shared<CheckedResult>();
  connect(action, &QAction::toggled, this, [this, result](bool on) {
    Guarded([this, result, on] {
      drawing::TracesOn = on;
      // Before the first picture the splash stays; the first edit draws them. In
      // point mode there are none, and while an exercise waits they would give
      // the answer away: the picture stays as it is.
      if (!activated_ || !Memo2->isHidden() || scene::PointMode || scene::AnswerHidden) return;
      if (result->OnSurface()) {
        // Drawn over the verdict; hiding them again waits for the next edit, which
        // is when the score panel goes too.
        if (on) DrawTracesOverThePicture();
        return;
      }
      EditCoordinate([] {});
    });
  });
  // Connected after the check's own handler, so this runs once it has judged.
  connect(comprobarTest, &QPushButton::clicked, this, [this, result] {
    Guarded([result] {
      result->shown = quiz::ExerciseAnswered;
      result->frame = drawing::FramesDrawn;
      // The answer is out: the traces join it, as the next edit would show them.
      if (result->shown && TracesCanShow()) DrawTracesOverThePicture();
    });
  });
}
