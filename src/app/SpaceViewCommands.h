// "Vista en el espacio" (Ctrl+E): the checkable entry that opens the scene in space
// in a window of its own and closes it; the window follows every edit.
#pragma once

#include <QPointer>

#include "app/SpaceWindow.h"
#include "app/UnitQuorvel.h"

class QAction;

namespace app {

class SpaceViewCommands : public CommandGroup {
 public:
  explicit SpaceViewCommands(TQuorvel& window);
  // The window reads the scene: it goes while the scene is still there.
  ~SpaceViewCommands() override;
  void HandlerDone() override;

 private:
  void Toggled(bool on);
  QAction* action_ = nullptr;
  QPointer<SpaceWindow> space_;
};

}  // namespace app
