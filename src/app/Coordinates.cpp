// "Coordenadas...": the coordinates of A, and of B in line mode, typed as whole
// numbers and set at once, redrawn as an edit redraws.
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Controls.h"
#include "app/PlaneCommands.h"
#include "app/UnitQuorvel.h"
#include "app/WindowCommands.h"
#include "classify/InfoUpdate.h"
#include "drawing/Frame.h"
#include "drawing/LogicalWindow.h"

namespace {

// One row of three fields: abcisa, alejamiento, cota.
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

bool AskInDialog(QWidget* parent, app::CoordinatesInput& io) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Coordenadas"));
  auto* grid = new QGridLayout(&dialog);
  const QString headers[3] = {QStringLiteral("abcisa"), QStringLiteral("alejamiento"),
                              QStringLiteral("cota")};
  for (int k = 0; k < 3; ++k) grid->addWidget(new QLabel(headers[k]), 0, k + 1);
  TSpinEdit* a[3] = {};
  TSpinEdit* b[3] = {};
  AddPointRow(grid, 1, QStringLiteral("A"), io.a, a);
  if (io.line) AddPointRow(grid, 2, QStringLiteral("B"), io.b, b);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  grid->addWidget(buttons, 3, 0, 1, 4);
  a[0]->setFocus();
  a[0]->selectAll();
  if (dialog.exec() != QDialog::Accepted) return false;
  io.a = ReadRow(a);
  if (io.line) io.b = ReadRow(b);
  return true;
}

app::CoordinatesPrompt& Prompt() {
  static app::CoordinatesPrompt prompt;
  return prompt;
}

}  // namespace

namespace app {

void SetCoordinatesPrompt(CoordinatesPrompt prompt) {
  Prompt() = std::move(prompt);
}

}  // namespace app

void TQuorvel::CoordinatesClick() {
  Guarded([this] {
    // The answer is judged on the exercise as set; typing it in would give it away.
    if (scene::AnswerHidden) {
      app::ReportError(QStringLiteral(
          "Mientras un ejercicio espera su respuesta no se pueden cambiar las coordenadas."));
      return;
    }
    if (auto* planes = app::PlaneCommands::Of(*this); planes && planes->EditCoordinates()) return;
    // The end being edited shows what the next edit would store there.
    const bool editsA = scene::PointMode || scene::SelectedA;
    app::CoordinatesInput io;
    io.line = !scene::PointMode;
    io.a = editsA ? scene::EditPoint : scene::PointA;
    io.b = editsA ? scene::PointB : scene::EditPoint;
    const bool given = Prompt() ? Prompt()(this, io) : AskInDialog(this, io);
    if (!given) return;
    scene::PointA = io.a;
    if (io.line) scene::PointB = io.b;
    scene::EditPoint = editsA ? scene::PointA : scene::PointB;
    drawing::Select320x200();
    drawing::RedrawFrame(scene::ProfileOn);
    classify::InfoUpdate();
  });
}
