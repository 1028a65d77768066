// The context-menu commands of the detailed quiz and of the results: the mode,
// hiding the coordinates, the results table, saving it as CSV, resetting the score.
#pragma once

#include <QString>

#include "app/UnitQuorvel.h"

class QDialog;

namespace app {

class QuizCommands : public CommandGroup {
 public:
  explicit QuizCommands(TQuorvel& window);
  // Opens the results table over the window without blocking, and returns it.
  QDialog* ShowResults();
  // Asks for a file and writes the results there; nothing when cancelled.
  void SaveWithDialog(QWidget* parent);
};

// Writes the quiz's results table as UTF-8 CSV to path through QSaveFile. On failure the
// user is told through the dialogs, and any old file there is left as it was.
bool SaveResultsCsv(const quiz::Quiz& quiz, const QString& path, Dialogs& dialogs,
                    QWidget* parent = nullptr);

}  // namespace app
