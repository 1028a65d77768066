// The context menu of the drawing area and the window shortcuts of its commands.
#include <QAction>
#include <QMenu>

#include "app/Controls.h"
#include "app/UnitQuorvel.h"

void TQuorvel::CreateCommands() {
  ContextMenu = new QMenu(this);
  ContextMenu->setObjectName(QStringLiteral("ContextMenu"));
  PaintBox1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(PaintBox1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { ContextMenu->popup(PaintBox1->mapToGlobal(pos)); });
  CreateExportCommands();
  CreateQuizCommands();
  CreateTraceCommands();
  CreateWorksheetCommands();
  CreateWindowCommands();
}

void TQuorvel::AddCommand(QAction* action) {
  action->setShortcutContext(Qt::WindowShortcut);
  ContextMenu->addAction(action);
  addAction(action);
}
