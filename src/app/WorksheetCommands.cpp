#include "app/WorksheetCommands.h"

#include <QAction>
#include <QDir>
#include <optional>

#include "app/CommandTable.h"

#include "delgraph/FileName.h"
#include "quiz/SheetRequest.h"
#include "render/WorksheetPdf.h"

namespace app {

QString KeyFileName(const QString& sheet) {
  QString base = sheet;
  if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) base.chop(4);
  return base + QStringLiteral("-soluciones.pdf");
}

WorksheetCommands::WorksheetCommands(TQuorvel& window) : CommandGroup(window) {
  window.AddCommand(MakeCommand(window, "WorksheetAction"), [this] { MakeWorksheet(); });
}

void WorksheetCommands::MakeWorksheet() {
  const std::optional<WorksheetChoice> choice = window_.Dialogs().AskWorksheet(&window_);
  if (!choice) return;
  const std::uint32_t seed = choice->seed ? *choice->seed : quiz::RandomSeed();
  SaveQuestion question{
      QStringLiteral("Guardar hoja de ejercicios"),
      QDir(DocumentsFolder()).filePath(QStringLiteral("hoja-de-ejercicios-%1.pdf").arg(seed)),
      QStringLiteral("Documento PDF (*.pdf)"), QString()};
  const QString chosen = window_.Dialogs().AskSaveName(&window_, question);
  if (chosen.isEmpty()) return;
  QString name = chosen;
  if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");
  // The dialog asked about the name it gave: not about another extension, nor the key.
  QStringList unasked;
  if (name != chosen) unasked << name;
  if (choice->separateKey) unasked << KeyFileName(name);
  const QStringList existing = ExistingFiles(unasked);
  if (!existing.isEmpty() && !window_.Dialogs().AskReplace(&window_, existing)) return;

  quiz::SheetRequest request;
  request.count = choice->count;
  request.seed = seed;
  request.seedGiven = true;
  request.kind = choice->kind;
  request.output = delgraph::EncodeFileName(name).toStdString();
  if (choice->separateKey) request.key = delgraph::EncodeFileName(KeyFileName(name)).toStdString();
  request.perspective = choice->perspective;
  // "Ejercicios de planos" brings test mode's exercises with a plane to the sheet too.
  request.planeFigures = window_.Quiz().PlaneExercisesOn;
  const render::SheetResult result = render::WriteWorksheet(request);
  if (result.fault != render::SheetFault::kNone)
    window_.ReportError(QString::fromStdString(result.message));
}

}  // namespace app
