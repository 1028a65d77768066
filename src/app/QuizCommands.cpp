#include "app/QuizCommands.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string>

#include "app/CommandTable.h"
#include "app/UnitQuorvel.h"
#include "delgraph/FileFault.h"
#include "quiz/DetailedMode.h"
#include "quiz/Quiz.h"
#include "quiz/Results.h"
#include "render/Export.h"

namespace app {

void QuizCommands::SaveWithDialog(QWidget* parent) {
  SaveQuestion question{QStringLiteral("Guardar resultados"),
                        QDir(DocumentsFolder()).filePath(QStringLiteral("resultados.csv")),
                        QStringLiteral("Archivos CSV (*.csv);;Todos (*)"), QString()};
  const QString path = window_.Dialogs().AskSaveName(parent, question);
  if (!path.isEmpty()) SaveResultsCsv(window_.Quiz(), path, window_.Dialogs(), parent);
}

bool SaveResultsCsv(const quiz::Quiz& quiz, const QString& path, Dialogs& dialogs,
                    QWidget* parent) {
  const std::string csv = quiz::ResultsCsv(quiz);
  const delgraph::FileFault fault = render::WriteBytes(QByteArray::fromStdString(csv), path);
  if (fault != delgraph::FileFault::kNone) {
    dialogs.ShowError(parent,
                      QStringLiteral("No se pudieron guardar los resultados en «%1»: %2.")
                          .arg(QDir::toNativeSeparators(path), delgraph::SpanishReason(fault)));
  }
  return fault == delgraph::FileFault::kNone;
}

QDialog* QuizCommands::ShowResults() {
  auto* dialog = new QDialog(&window_);
  dialog->setObjectName(QStringLiteral("ResultsDialog"));
  dialog->setWindowTitle(QStringLiteral("Resultados"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);

  const auto table = quiz::ResultsTable(window_.Quiz());
  auto* view = new QTableWidget(static_cast<int>(table.size()) - 1,
                                static_cast<int>(table.front().size()), dialog);
  view->setObjectName(QStringLiteral("ResultsTable"));
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->verticalHeader()->hide();
  QStringList header;
  for (const std::string& h : table.front()) header << QString::fromStdString(h);
  view->setHorizontalHeaderLabels(header);
  for (std::size_t row = 1; row < table.size(); ++row) {
    for (std::size_t col = 0; col < table[row].size(); ++col) {
      view->setItem(static_cast<int>(row - 1), static_cast<int>(col),
                    new QTableWidgetItem(QString::fromStdString(table[row][col])));
    }
  }
  view->resizeColumnsToContents();
  view->horizontalHeader()->setStretchLastSection(true);

  auto* summary = new QLabel(QStringLiteral("aciertos: %1    fallos: %2")
                                 .arg(window_.Quiz().TestHits)
                                 .arg(window_.Quiz().TestMisses),
                             dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Cerrar"));
  QPushButton* save =
      buttons->addButton(QStringLiteral("Guardar CSV..."), QDialogButtonBox::ActionRole);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(save, &QPushButton::clicked, dialog,
                   [this, dialog] { window_.Guarded([this, dialog] { SaveWithDialog(dialog); }); });

  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(view);
  layout->addWidget(summary);
  layout->addWidget(buttons);
  dialog->resize(900, 400);
  dialog->open();
  return dialog;
}

QuizCommands::QuizCommands(TQuorvel& window) : CommandGroup(window) {
  QAction* detailed = MakeCommand(window, "DetailedModeAction");
  QAction* hide = MakeCommand(window, "HideCoordinatesAction");
  hide->setEnabled(false);
  window.AddCommand(detailed, [&window, detailed, hide] {
    quiz::SetDetailedMode(window.Quiz(), window.Scene(), detailed->isChecked());
    hide->setEnabled(detailed->isChecked());
  });
  window.AddCommand(hide, [&window, hide] {
    quiz::SetHideCoordinates(window.Quiz(), window.Scene(), hide->isChecked());
  });
  window.AddCommand(MakeCommand(window, "ResultsAction"), [this] { ShowResults(); });
  window.AddCommand(MakeCommand(window, "SaveCsvAction"), [this] { SaveWithDialog(&window_); });
  window.AddCommand(MakeCommand(window, "ResetScoreAction"),
                    [&window] { quiz::ResetScore(window.Quiz()); });
}

}  // namespace app

void TQuorvel::ResetList(AnswerList list) {
  QComboBox* box = List(list);
  box->setCurrentIndex(-1);
  box->setEditText(ListStartText(list));
}
