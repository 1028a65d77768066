#include "app/VisibilityCommands.h"

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QWidget>
#include <utility>

#include "drawing/Frame.h"
#include "drawing/SeenAndHidden.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace app {

VisibilityCommands::VisibilityCommands(QWidget* window, std::function<void()> redraw)
    : QObject(window), redraw_(std::move(redraw)) {
  action_ = new QAction(QStringLiteral("Partes vistas y ocultas"), window);
  action_->setObjectName(QStringLiteral("PartesVistasOcultas"));
  action_->setCheckable(true);
  action_->setChecked(drawing::VisibilityOn);
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  connect(action_, &QAction::toggled, this, &VisibilityCommands::Toggled);
  if (auto* check = window->findChild<QPushButton*>(QStringLiteral("comprobarTest"))) {
    connect(check, &QPushButton::clicked, this, [this] {
      verdictShown_ = quiz::ExerciseAnswered;
      verdictFrame_ = drawing::FramesDrawn;
    });
  }
}

void VisibilityCommands::Toggled(bool on) {
  drawing::VisibilityOn = on;
  // In point mode there is no line, and while an exercise waits the parts would
  // give the answer away. A verdict on the surface stays until the next edit.
  if (scene::PointMode || scene::AnswerHidden) return;
  if (verdictShown_ && verdictFrame_ == drawing::FramesDrawn) return;
  if (redraw_) redraw_();
}

}  // namespace app
