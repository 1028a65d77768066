// The one seam between the window and its dialogs: every question the window asks
// the user, and every error it shows, goes through a Dialogs given to the window.
// The default asks with Spanish dialogs; tests give one that records and answers.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "quiz/SheetExercises.h"
#include "scene/Scene.h"

class QFileDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace app {

// What the "Coordenadas..." dialog edits: A, and B in line mode; A, B and C in plane
// mode, where a non-empty intercepts text ("x,y,z", whole numbers or inf) replaces
// the three points.
struct CoordinatesInput {
  DihedralPoint a;
  DihedralPoint b;
  bool line = false;
  bool plane = false;
  DihedralPoint c;
  QString intercepts;
  // The points after C, one letter each ("P", "DE", "DEF"), with their coordinates.
  QString moreNames;
  std::array<DihedralPoint, 3> more{};
};

// What the "Hoja de ejercicios..." dialog asks.
struct WorksheetChoice {
  int count = 12;
  quiz::SheetKind kind = quiz::SheetKind::kMixed;
  std::optional<std::uint32_t> seed;  // none: "aleatoria"
  bool separateKey = false;           // the key in "<sheet>-soluciones.pdf"
  bool perspective = false;           // the space view beside each flat one
};

// A question of whole numbers: a row of values for each name, each value within the
// bounds, answered in place. With offerNone, each row may be ticked "no existe".
struct NumbersQuestion {
  QString title;
  QStringList columns;  // the values' headers, one per column
  QStringList rows;     // the rows' names
  std::vector<std::vector<int>> values;
  int lowest = 0;
  int highest = 0;
  bool offerNone = false;
  std::vector<bool> none;  // one per row when offerNone
};

// A save dialog's question. Each filter names its extension, which the dialog adds
// to a name typed without one before it asks whether to replace a file.
struct SaveQuestion {
  QString title;
  QString suggested;  // the path offered
  QString filters;    // Qt's ";;" list; the first is the default
  QString filter;     // the filter chosen, once answered
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual void ShowError(QWidget* parent, const QString& message) = 0;
  // The path to write, or empty when the user cancels. The dialog has asked
  // whether to replace that very file.
  virtual QString AskSaveName(QWidget* parent, SaveQuestion& question) = 0;
  // Whether to replace files that exist (paths), which the save dialog did not
  // ask about: a name given another extension, a key beside the sheet.
  virtual bool AskReplace(QWidget* parent, const QStringList& paths) = 0;
  // Lets the user set up the printer; true to print.
  virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;
  // False when the user cancels.
  virtual bool AskCoordinates(QWidget* parent, CoordinatesInput& io) = 0;
  virtual std::optional<WorksheetChoice> AskWorksheet(QWidget* parent) = 0;
  // False when the user cancels.
  virtual bool AskNumbers(QWidget* parent, NumbersQuestion& question) = 0;
};

// The real dialogs. Qt's translation is installed before the first dialog or
// message box of Qt's own and stays: taking it away again would turn every open
// dialog's standard texts back into English.
class SpanishDialogs : public Dialogs {
 public:
  SpanishDialogs();
  ~SpanishDialogs() override;
  void ShowError(QWidget* parent, const QString& message) override;
  QString AskSaveName(QWidget* parent, SaveQuestion& question) override;
  bool AskReplace(QWidget* parent, const QStringList& paths) override;
  bool AskPrint(QWidget* parent, QPrinter& printer) override;
  bool AskCoordinates(QWidget* parent, CoordinatesInput& io) override;
  std::optional<WorksheetChoice> AskWorksheet(QWidget* parent) override;
  bool AskNumbers(QWidget* parent, NumbersQuestion& question) override;

 private:
  void Translate();
  std::unique_ptr<QTranslator> translator_;
  bool installed_ = false;
};

// The save dialog as SpanishDialogs opens it, not yet shown: its default suffix
// follows the chosen filter.
std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const SaveQuestion& question);

// The print dialog as SpanishDialogs opens it, not yet shown.
std::unique_ptr<QPrintDialog> MakePrintDialog(QWidget* parent, QPrinter& printer);

// The names among paths that exist (the files a save would replace).
QStringList ExistingFiles(const QStringList& paths);

// Where new files go unless the user chose before: the user's pictures or documents
// folder (home when there is none), not the working folder, which the launcher
// keeps for the palette.
QString PicturesFolder();
QString DocumentsFolder();

}  // namespace app
