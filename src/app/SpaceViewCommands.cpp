#include "app/SpaceViewCommands.h"

#include <QAction>

#include "app/CommandTable.h"

namespace app {

SpaceViewCommands::SpaceViewCommands(TQuorvel& window) : CommandGroup(window) {
  action_ = MakeCommand(window, "VistaEspacio");
  window.AddCommand(action_, [this] { Toggled(action_->isChecked()); });
}

SpaceViewCommands::~SpaceViewCommands() {
  delete space_;
}

void SpaceViewCommands::HandlerDone() {
  if (space_ && space_->isVisible()) space_->SceneChanged();
}

void SpaceViewCommands::Toggled(bool on) {
  if (!on) {
    if (space_) space_->close();
    return;
  }
  if (!space_) {
    space_ = new SpaceWindow(window_.Scene(), window_.Dialogs(), &window_);
    space_->setAttribute(Qt::WA_DeleteOnClose);
    // Closed by its own button, the entry is unticked.
    space_->closed = [this] { action_->setChecked(false); };
  }
  space_->SceneChanged();
  space_->show();
  space_->raise();
  space_->activateWindow();
}

}  // namespace app
