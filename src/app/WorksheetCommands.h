// "Hoja de ejercicios..." in the drawing area's context menu: asks for the number
// of exercises, their kind, the seed and where the key goes, then for the file, and
// writes the sheet.
#pragma once

#include <QString>

#include "app/UnitQuorvel.h"

namespace app {

// Where the key goes when it has a file of its own: beside the sheet.
QString KeyFileName(const QString& sheet);

class WorksheetCommands : public CommandGroup {
 public:
  explicit WorksheetCommands(TQuorvel& window);

 private:
  void MakeWorksheet();
};

}  // namespace app
