// The context-menu commands of the detailed quiz and of the results: the mode,
// hiding the coordinates, the results table, saving it as CSV, resetting the score.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace app {

// Asks where to save the CSV; an empty name cancels. The default is the desktop's
// save dialog; tests install their own so nothing blocks. Empty restores it.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
void SetSaveFileChooser(SaveFileChooser chooser);

// Writes the results table as UTF-8 CSV to path through QSaveFile. On failure the
// user is told and any old file there is left as it was.
bool SaveResultsCsv(const QString& path);

// Opens the results table over the window without blocking, and returns it.
QDialog* ShowResults(QWidget* parent);

}  // namespace app
