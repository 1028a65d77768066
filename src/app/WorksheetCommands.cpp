#include "app/WorksheetCommands.h"

#include <QAction>
#include <QDir>
#include <optional>

#include "quiz/SheetRequest.h"
#include "render/WorksheetPdf.h"

namespace app {

QString KeyFileName(const QString& sheet) {
  QString base = sheet;
  if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) base.chop(4);
  return base + QStringLiteral("-soluciones.pdf");
}

WorksheetCommands::WorksheetCommands(TQuorvel& window) : CommandGroup(window) {
  auto* action = new QAction(QStringLiteral("Hoja de ejercicios..."), &window);
  action->setObjectName(QStringLiteral("WorksheetAction"));
  window.AddCommand(action, [this] { MakeWorksheet(); });
}

void WorksheetCommands::MakeWorksheet() {
  const std::optional<WorksheetChoice> choice = window_.Dialogs().AskWorksheet(&window_);
  if (!choice) return;
  const std::uint32_t seed = choice->seed ? *choice->seed : quiz::RandomSeed();
  SaveQuestion question{
      QStringLiteral("Guardar hoja de ejercicios"),
      QDir(DocumentsFolder()).filePath(QStringLiteral("hoja-de-ejercicios-%1.pdf").arg(seed)),
      QStringLiteral("Documento PDF (*.pdf)"), QString()};
  QString name = window_.Dialogs().AskSaveName(&window_, question);
  if (name.isEmpty()) return;
  if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");

  quiz::SheetRequest request;
  request.count = choice->count;
  request.seed = seed;
  request.seedGiven = true;
  request.kind = choice->kind;
  request.output = name.toStdString();
  if (choice->separateKey) request.key = KeyFileName(name).toStdString();
  request.perspective = choice->perspective;
  const render::SheetResult result = render::WriteWorksheet(request);
  if (result.fault != render::SheetFault::kNone)
    window_.ReportError(QString::fromStdString(result.message));
}

}  // namespace app
