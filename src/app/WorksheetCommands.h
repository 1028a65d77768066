// The worksheet command of the drawing area's context menu: a small dialog for the
// number of exercises, their kind and the seed, then a save dialog. Both dialogs can
// be replaced, so tests never block.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "quiz/SheetExercises.h"

class QWidget;

namespace app {

struct WorksheetChoice {
  int count = 12;
  quiz::SheetKind kind = quiz::SheetKind::kMixed;
  std::optional<std::uint32_t> seed;  // none: "aleatoria"
  bool separateKey = false;           // the key in "<sheet>-soluciones.pdf"
  bool perspective = false;           // the space view beside each flat one
};

// Where the key goes when it has a file of its own: beside the sheet.
QString KeyFileName(const QString& sheet);

// Asks for the sheet; none when the user cancels.
using WorksheetAsker = std::function<std::optional<WorksheetChoice>(QWidget* parent)>;
// Asks for the file to write; empty when the user cancels.
using SaveNameAsker = std::function<QString(QWidget* parent, const QString& suggested)>;

// Empty functions restore the real dialogs.
void SetWorksheetAsker(WorksheetAsker asker);
void SetSaveNameAsker(SaveNameAsker asker);

// The real sheet dialog.
std::optional<WorksheetChoice> AskWorksheet(QWidget* parent);

}  // namespace app
