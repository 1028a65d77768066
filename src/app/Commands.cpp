// The context menu of the drawing area: the groups of commands fill it, each
// through AddCommand, which guards every handler.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <functional>
#include <utility>

#include "app/Controls.h"
#include "app/ExportCommands.h"
#include "app/PlaneCommands.h"
#include "app/PlaneExerciseCommands.h"
#include "app/QuizCommands.h"
#include "app/TraceCommands.h"
#include "app/UnitQuorvel.h"
#include "app/VisibilityCommands.h"
#include "app/WindowCommands.h"
#include "app/WorksheetCommands.h"

void TQuorvel::CreateCommands() {
  ContextMenu = new QMenu(this);
  ContextMenu->setObjectName(QStringLiteral("ContextMenu"));
  // The splash text lies over the drawing until the first picture: a right click on
  // it opens the same menu, not the text box's own editing menu.
  for (QWidget* area : {static_cast<QWidget*>(PaintBox1), static_cast<QWidget*>(Memo2)}) {
    area->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area, &QWidget::customContextMenuRequested, this,
            [this, area](const QPoint& pos) { ContextMenu->popup(area->mapToGlobal(pos)); });
  }
  // Pictures that leave the window, then what is drawn, then the quiz (its group
  // opens with a separator), then the window itself.
  AddGroup<app::PictureCommands>();
  AddGroup<app::WorksheetCommands>();
  ContextMenu->addSeparator();
  AddGroup<app::TraceCommands>();
  AddGroup<app::VisibilityCommands>();
  AddGroup<app::PlaneCommands>();
  AddGroup<app::PlaneExerciseCommands>();
  AddGroup<app::QuizCommands>();
  ContextMenu->addSeparator();
  AddGroup<app::WindowCommands>();
}

void TQuorvel::AddCommand(QAction* action, std::function<void()> handler) {
  action->setShortcutContext(Qt::WindowShortcut);
  ContextMenu->addAction(action);
  addAction(action);
  auto run = [this, handler = std::move(handler)] { Guarded(handler); };
  if (action->isCheckable())
    connect(action, &QAction::toggled, this, run);
  else
    connect(action, &QAction::triggered, this, run);
}
