// The context menu of the drawing area: the groups of commands make the actions of
// its entries from the command table, each through AddCommand, which guards every
// handler; the menu lists them in the table's order.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <functional>
#include <utility>

#include "app/CommandTable.h"
#include "app/ConstructionCommands.h"
#include "app/Controls.h"
#include "app/ExportCommands.h"
#include "app/PlaneCommands.h"
#include "app/PlaneExerciseCommands.h"
#include "app/QuizCommands.h"
#include "app/SpaceViewCommands.h"
#include "app/TraceCommands.h"
#include "app/UnitQuorvel.h"
#include "app/VisibilityCommands.h"
#include "app/WindowCommands.h"
#include "app/WorksheetCommands.h"

void TQuorvel::CreateCommands() {
  contextMenu = new QMenu(this);
  contextMenu->setObjectName(QStringLiteral("ContextMenu"));
  // The splash text lies over the drawing until the first picture: a right click on
  // it opens the same menu, not the text box's own editing menu.
  for (QWidget* area : {static_cast<QWidget*>(drawingArea), static_cast<QWidget*>(splashText)}) {
    area->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(area, &QWidget::customContextMenuRequested, this,
            [this, area](const QPoint& pos) { contextMenu->popup(area->mapToGlobal(pos)); });
  }
  AddGroup<app::PictureCommands>();
  AddGroup<app::WorksheetCommands>();
  AddGroup<app::TraceCommands>();
  AddGroup<app::VisibilityCommands>();
  AddGroup<app::PlaneCommands>();
  AddGroup<app::PlaneExerciseCommands>();
  AddGroup<app::ConstructionCommands>();
  AddGroup<app::SpaceViewCommands>();
  AddGroup<app::QuizCommands>();
  AddGroup<app::WindowCommands>();
  // The menu lists the command table in its order, from the actions the groups made.
  for (const app::CommandRow& row : app::MenuCommands()) {
    auto* action = findChild<QAction*>(QLatin1String(row.name), Qt::FindDirectChildrenOnly);
    if (action == nullptr) qFatal("No command group made the entry %s", row.name);
    if (row.opensGroup) contextMenu->addSeparator();
    contextMenu->addAction(action);
  }
}

void TQuorvel::AddCommand(QAction* action, std::function<void()> handler) {
  action->setShortcutContext(Qt::WindowShortcut);
  // An entry of the command table takes its place when the menu is filled.
  if (app::CommandNamed(action->objectName()) == nullptr) contextMenu->addAction(action);
  addAction(action);
  auto run = [this, handler = std::move(handler)] { Guarded(handler); };
  if (action->isCheckable())
    connect(action, &QAction::toggled, this, run);
  else
    connect(action, &QAction::triggered, this, run);
}
