#include "app/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Controls.h"
#include "quiz/SheetRequest.h"

namespace app {

namespace {

const QString kRandomSeed = QStringLiteral("aleatoria");

QString Folder(QStandardPaths::StandardLocation where) {
  const QString folder = QStandardPaths::writableLocation(where);
  return folder.isEmpty() || !QDir(folder).exists() ? QDir::homePath() : folder;
}

// The extension a filter such as "Imagen PNG (*.png)" names; empty for "(*)".
QString SuffixOf(const QString& filter) {
  static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(\\w+)"));
  return pattern.match(filter).captured(1);
}

void OkCancel(QDialogButtonBox* buttons) {
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
}

// One row of three fields: abscisa, alejamiento, cota.
void AddPointRow(QGridLayout* grid, int row, const QString& name, const DihedralPoint& p,
                 TSpinEdit* fields[3]) {
  grid->addWidget(new QLabel(name), row, 0);
  const std::int32_t values[3] = {p.abscissa, p.alejamiento, p.cota};
  for (int k = 0; k < 3; ++k) {
    fields[k] = new TSpinEdit;
    fields[k]->setValue(values[k]);
    fields[k]->setMinimumWidth(110);
    grid->addWidget(fields[k], row, k + 1);
  }
}

DihedralPoint ReadRow(TSpinEdit* const fields[3]) {
  return {fields[0]->TextValue(), fields[1]->TextValue(), fields[2]->TextValue()};
}

}  // namespace

QString PicturesFolder() {
  return Folder(QStandardPaths::PicturesLocation);
}

QString DocumentsFolder() {
  return Folder(QStandardPaths::DocumentsLocation);
}

std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const SaveQuestion& question) {
  auto dialog = std::make_unique<QFileDialog>(parent, question.title);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters(question.filters.split(QStringLiteral(";;")));
  dialog->selectFile(question.suggested);
  const QString first = dialog->nameFilters().value(0);
  dialog->setDefaultSuffix(SuffixOf(first));
  QFileDialog* d = dialog.get();
  QObject::connect(d, &QFileDialog::filterSelected, d,
                   [d](const QString& filter) { d->setDefaultSuffix(SuffixOf(filter)); });
  return dialog;
}

SpanishDialogs::SpanishDialogs() = default;

SpanishDialogs::~SpanishDialogs() {
  if (installed_) QCoreApplication::removeTranslator(translator_.get());
}

void SpanishDialogs::Translate() {
  if (translator_) return;
  translator_ = std::make_unique<QTranslator>();
  if (translator_->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    installed_ = QCoreApplication::installTranslator(translator_.get());
}

void SpanishDialogs::ShowError(QWidget* parent, const QString& message) {
  Translate();
  QMessageBox::critical(parent != nullptr ? parent : QApplication::activeWindow(),
                        QStringLiteral("Quorvel"), message);
}

QString SpanishDialogs::AskSaveName(QWidget* parent, SaveQuestion& question) {
  Translate();
  const std::unique_ptr<QFileDialog> dialog = MakeSaveDialog(parent, question);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return QString();
  question.filter = dialog->selectedNameFilter();
  return dialog->selectedFiles().front();
}

bool SpanishDialogs::AskReplace(QWidget* parent, const QStringList& paths) {
  Translate();
  QStringList names;
  for (const QString& path : paths) names << QStringLiteral("«%1»").arg(QFileInfo(path).fileName());
  const bool one = names.size() == 1;
  const QString list = one ? names.front()
                           : names.mid(0, names.size() - 1).join(QStringLiteral(", ")) +
                                 QStringLiteral(" y ") + names.back();
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Quorvel"),
                  (one ? QStringLiteral("Ya existe %1. ¿Quiere reemplazarlo?")
                       : QStringLiteral("Ya existen %1. ¿Quiere reemplazarlos?"))
                      .arg(list),
                  QMessageBox::NoButton, parent != nullptr ? parent : QApplication::activeWindow());
  QPushButton* replace = box.addButton(QStringLiteral("Reemplazar"), QMessageBox::AcceptRole);
  box.setDefaultButton(box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole));
  box.exec();
  return box.clickedButton() == replace;
}

QStringList ExistingFiles(const QStringList& paths) {
  QStringList existing;
  for (const QString& path : paths)
    if (QFileInfo::exists(path)) existing << path;
  return existing;
}

std::unique_ptr<QPrintDialog> MakePrintDialog(QWidget* parent, QPrinter& printer) {
  auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
  dialog->setWindowTitle(QStringLiteral("Imprimir"));
  // Texts Qt's Spanish translation leaves in English.
  static const struct {
    const char* english;
    const char* spanish;
  } kLeftOver[] = {{"Pages", "Páginas"},
                   {"Off", "No"},
                   {"Long side binding", "Por el lado largo"},
                   {"Short side binding", "Por el lado corto"},
                   {"Double Sided Printing", "Impresión a doble cara"}};
  for (const auto& text : kLeftOver) {
    const QString english = QString::fromUtf8(text.english);
    const QString spanish = QString::fromUtf8(text.spanish);
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
      if (button->text() == english) button->setText(spanish);
    for (QGroupBox* group : dialog->findChildren<QGroupBox*>())
      if (group->title() == english) group->setTitle(spanish);
  }
  return dialog;
}

bool SpanishDialogs::AskPrint(QWidget* parent, QPrinter& printer) {
  Translate();
  return MakePrintDialog(parent, printer)->exec() == QDialog::Accepted;
}

bool SpanishDialogs::AskCoordinates(QWidget* parent, CoordinatesInput& io) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Coordenadas"));
  auto* grid = new QGridLayout(&dialog);
  const QString headers[3] = {QStringLiteral("abscisa"), QStringLiteral("alejamiento"),
                              QStringLiteral("cota")};
  for (int k = 0; k < 3; ++k) grid->addWidget(new QLabel(headers[k]), 0, k + 1);
  TSpinEdit* a[3] = {};
  TSpinEdit* b[3] = {};
  AddPointRow(grid, 1, QStringLiteral("A"), io.a, a);
  if (io.line || io.plane) AddPointRow(grid, 2, QStringLiteral("B"), io.b, b);
  TSpinEdit* c[3] = {};
  QLineEdit* intercepts = nullptr;
  if (io.plane) {
    dialog.setWindowTitle(QStringLiteral("Coordenadas del plano"));
    AddPointRow(grid, 3, QStringLiteral("C"), io.c, c);
  }
  // P, or D and E, or D, E and F under the plane's points.
  TSpinEdit* more[3][3] = {};
  const int extra = std::min<int>(io.moreNames.size(), 3);
  for (int k = 0; k < extra; ++k)
    AddPointRow(grid, 4 + k, io.moreNames.mid(k, 1), io.more[k], more[k]);
  if (io.plane) {
    grid->addWidget(new QLabel(QStringLiteral("o bien α(x, y, z):")), 4 + extra, 0);
    intercepts = new QLineEdit(io.intercepts);
    intercepts->setObjectName(QStringLiteral("Cortes"));
    intercepts->setPlaceholderText(QStringLiteral("p. ej. 60,40,50 o inf,40,50"));
    grid->addWidget(intercepts, 4 + extra, 1, 1, 3);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  OkCancel(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  grid->addWidget(buttons, 5 + extra, 0, 1, 4);
  a[0]->setFocus();
  a[0]->selectAll();
  if (dialog.exec() != QDialog::Accepted) return false;
  io.a = ReadRow(a);
  if (io.line || io.plane) io.b = ReadRow(b);
  if (io.plane) {
    io.c = ReadRow(c);
    io.intercepts = intercepts->text();
  }
  for (int k = 0; k < extra; ++k) io.more[k] = ReadRow(more[k]);
  return true;
}

bool SpanishDialogs::AskNumbers(QWidget* parent, NumbersQuestion& question) {
  QDialog dialog(parent);
  dialog.setWindowTitle(question.title);
  auto* grid = new QGridLayout(&dialog);
  const int columns = static_cast<int>(question.columns.size());
  for (int k = 0; k < columns; ++k) grid->addWidget(new QLabel(question.columns[k]), 0, k + 1);
  std::vector<std::vector<QSpinBox*>> fields(question.values.size());
  std::vector<QCheckBox*> none(question.values.size(), nullptr);
  for (std::size_t r = 0; r < question.values.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    grid->addWidget(new QLabel(r < static_cast<std::size_t>(question.rows.size())
                                   ? question.rows[static_cast<int>(r)]
                                   : QString()),
                    row, 0);
    for (int k = 0; k < columns && k < static_cast<int>(question.values[r].size()); ++k) {
      auto* field = new QSpinBox;
      field->setRange(question.lowest, question.highest);
      field->setValue(question.values[r][static_cast<std::size_t>(k)]);
      grid->addWidget(field, row, k + 1);
      fields[r].push_back(field);
    }
    if (question.offerNone) {
      none[r] = new QCheckBox(QStringLiteral("no existe"));
      none[r]->setChecked(r < question.none.size() && question.none[r]);
      grid->addWidget(none[r], row, columns + 1);
    }
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  OkCancel(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  grid->addWidget(buttons, static_cast<int>(question.values.size()) + 1, 0, 1, columns + 2);
  if (!fields.empty() && !fields.front().empty()) {
    fields.front().front()->setFocus();
    fields.front().front()->selectAll();
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  question.none.assign(question.values.size(), false);
  for (std::size_t r = 0; r < question.values.size(); ++r) {
    for (std::size_t k = 0; k < fields[r].size(); ++k)
      question.values[r][k] = fields[r][k]->value();
    if (none[r]) question.none[r] = none[r]->isChecked();
  }
  return true;
}

std::optional<WorksheetChoice> SpanishDialogs::AskWorksheet(QWidget* parent) {
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
  OkCancel(buttons);
  // The keyboard goes through the fields as the form shows them.
  QWidget::setTabOrder(count, kind);
  QWidget::setTabOrder(kind, seed);
  QWidget::setTabOrder(seed, key);
  QWidget::setTabOrder(key, perspective);
  QWidget::setTabOrder(perspective, buttons);
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
