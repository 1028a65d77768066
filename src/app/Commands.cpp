// The context menu of the drawing area and the window shortcuts of its commands.
#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "app/VisibilityCommands.h"

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
  CreateExportCommands();
  CreateWorksheetCommands();
  ContextMenu->addSeparator();
  CreateTraceCommands();
  AddCommand((new app::VisibilityCommands(this, [this] {
               if (activated_ && Memo2->isHidden()) EditCoordinate([] {});
             }))->Action());
  CreatePlaneCommands();
  CreateQuizCommands();
  ContextMenu->addSeparator();
  CreateWindowCommands();
}

void TQuorvel::AddCommand(QAction* action) {
  action->setShortcutContext(Qt::WindowShortcut);
  ContextMenu->addAction(action);
  addAction(action);
}
