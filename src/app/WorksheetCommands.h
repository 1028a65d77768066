// "Hoja de ejercicios..." in the drawing area's context menu: asks for the number
// of exercises, their kind and the seed, then for the file, and writes the sheet.
#pragma once

#include "app/UnitQuorvel.h"

namespace app {

class WorksheetCommands : public CommandGroup {
 public:
  explicit WorksheetCommands(TQuorvel& window);

 private:
  void MakeWorksheet();
};

}  // namespace app
