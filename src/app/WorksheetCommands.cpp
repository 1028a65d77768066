#include "app/WorksheetCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTranslator>
#include <QVBoxLayout>

#include "app/SpanishDialogs.h"
#include "app/UnitQuorvel.h"
#include "quiz/SheetRequest.h"
#include "render/WorksheetPdf.h"

namespace app {

namespace {

WorksheetAsker& Asker() {
  static WorksheetAsker asker;
  return asker;
}
SaveNameAsker& SaveAsker() {
  static SaveNameAsker asker;
  return asker;
}

const QString kRandomSeed = QStringLiteral("aleatoria");

QString AskSaveName(QWidget* parent, const QString& suggested) {
  const app::SpanishDialogTexts spanish;
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Guardar hoja de ejercicios"),
                                      suggested, QStringLiteral("Documento PDF (*.pdf)"));
}

// Where a new sheet goes by default: the user's documents, not the program's
// working folder (which the launcher keeps for the palette).
QString SuggestedName(std::uint32_t seed) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
  return QDir(folder).filePath(QStringLiteral("hoja-de-ejercicios-%1.pdf").arg(seed));
}

}  // namespace

QString KeyFileName(const QString& sheet) {
  QString base = sheet;
  if (base.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) base.chop(4);
  return base + QStringLiteral("-soluciones.pdf");
}

void SetWorksheetAsker(WorksheetAsker asker) {
  Asker() = std::move(asker);
}

void SetSaveNameAsker(SaveNameAsker asker) {
  SaveAsker() = std::move(asker);
}

std::optional<WorksheetChoice> AskWorksheet(QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Hoja de ejercicios"));
  auto* count = new QSpinBox(&dialog);
  count->setRange(quiz::kSheetMinExercises, quiz::kSheetMaxExercises);
  count->setValue(WorksheetChoice().count);
  auto* kind = new QComboBox(&dialog);
  for (const quiz::SheetKindRow& row : quiz::SheetKinds())
    kind->addItem(QString::fromUtf8(row.label), static_cast<int>(row.kind));
  auto* key = new QComboBox(&dialog);
  key->addItem(QStringLiteral("Al final de la hoja"), false);
  key->addItem(QStringLiteral("En un archivo aparte (…-soluciones.pdf)"), true);
  auto* perspective = new QCheckBox(QStringLiteral("Añadir la vista de los planos"), &dialog);
  auto* seed = new QLineEdit(kRandomSeed, &dialog);
  seed->setToolTip(QStringLiteral("La misma semilla da la misma hoja"));
  auto* fault = new QLabel(&dialog);
  fault->setStyleSheet(QStringLiteral("color: #a00000"));
  fault->setWordWrap(true);
  fault->hide();

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Número de ejercicios:"), count);
  form->addRow(QStringLiteral("Tipo:"), kind);
  form->addRow(QStringLiteral("Semilla:"), seed);
  form->addRow(QStringLiteral("Soluciones:"), key);
  form->addRow(QString(), perspective);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(form);
  layout->addWidget(fault);
  layout->addWidget(buttons);

  WorksheetChoice choice;
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    choice.count = count->value();
    choice.kind = static_cast<quiz::SheetKind>(kind->currentData().toInt());
    choice.separateKey = key->currentData().toBool();
    choice.perspective = perspective->isChecked();
    const QString text = seed->text().trimmed();
    choice.seed.reset();
    if (!text.isEmpty() && text.compare(kRandomSeed, Qt::CaseInsensitive) != 0) {
      choice.seed = quiz::ParseSeed(text.toStdString());
      if (!choice.seed) {
        fault->setText(
            QStringLiteral("La semilla es un número entero de 0 a 4294967295, o "
                           "«aleatoria»."));
        fault->show();
        return;
      }
    }
    dialog.accept();
  });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return choice;
}

}  // namespace app

void TQuorvel::CreateWorksheetCommands() {
  auto* action = new QAction(QStringLiteral("Hoja de ejercicios..."), this);
  action->setObjectName(QStringLiteral("WorksheetAction"));
  connect(action, &QAction::triggered, this, [this] { MakeWorksheet(); });
  AddCommand(action);
}

void TQuorvel::MakeWorksheet() {
  const std::optional<app::WorksheetChoice> choice =
      app::Asker() ? app::Asker()(this) : app::AskWorksheet(this);
  if (!choice) return;
  const std::uint32_t seed = choice->seed ? *choice->seed : quiz::RandomSeed();
  const QString suggested = app::SuggestedName(seed);
  QString name =
      app::SaveAsker() ? app::SaveAsker()(this, suggested) : app::AskSaveName(this, suggested);
  if (name.isEmpty()) return;
  if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) name += QStringLiteral(".pdf");

  quiz::SheetRequest request;
  request.count = choice->count;
  request.seed = seed;
  request.seedGiven = true;
  request.kind = choice->kind;
  request.output = name.toStdString();
  if (choice->separateKey) request.key = app::KeyFileName(name).toStdString();
  request.perspective = choice->perspective;
  const render::SheetResult result = render::WriteWorksheet(request);
  if (result.fault != render::SheetFault::kNone)
    app::ReportError(QString::fromStdString(result.message));
}
