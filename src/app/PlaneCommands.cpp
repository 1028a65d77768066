#include "app/PlaneCommands.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <string>

#include "app/Controls.h"
#include "app/UnitQuorvel.h"
#include "classify/InfoUpdate.h"
#include "drawing/LogicalWindow.h"
#include "scene/PlaneIntercepts.h"
#include "scene/PlaneScene.h"

namespace app {

namespace {

const char* const kObjectName = "PlanoPorTresPuntos";

PlanePrompt& Prompt() {
  static PlanePrompt prompt;
  return prompt;
}

void AddRow(QGridLayout* grid, int row, const QString& name, const DihedralPoint& p,
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

DihedralPoint Read(TSpinEdit* const fields[3]) {
  return {fields[0]->TextValue(), fields[1]->TextValue(), fields[2]->TextValue()};
}

bool AskInDialog(QWidget* parent, PlaneInput& io) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("Coordenadas del plano"));
  auto* grid = new QGridLayout(&dialog);
  const QString headers[3] = {QStringLiteral("abcisa"), QStringLiteral("alejamiento"),
                              QStringLiteral("cota")};
  for (int k = 0; k < 3; ++k) grid->addWidget(new QLabel(headers[k]), 0, k + 1);
  TSpinEdit* a[3] = {};
  TSpinEdit* b[3] = {};
  TSpinEdit* c[3] = {};
  AddRow(grid, 1, QStringLiteral("A"), io.a, a);
  AddRow(grid, 2, QStringLiteral("B"), io.b, b);
  AddRow(grid, 3, QStringLiteral("C"), io.c, c);
  grid->addWidget(new QLabel(QStringLiteral("o bien α(x, y, z):")), 4, 0);
  auto* intercepts = new QLineEdit(io.intercepts);
  intercepts->setObjectName(QStringLiteral("Cortes"));
  intercepts->setPlaceholderText(QStringLiteral("p. ej. 60,40,50 o inf,40,50"));
  grid->addWidget(intercepts, 4, 1, 1, 3);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  grid->addWidget(buttons, 5, 0, 1, 4);
  a[0]->setFocus();
  a[0]->selectAll();
  if (dialog.exec() != QDialog::Accepted) return false;
  io.a = Read(a);
  io.b = Read(b);
  io.c = Read(c);
  io.intercepts = intercepts->text();
  return true;
}

}  // namespace

void SetPlanePrompt(PlanePrompt prompt) {
  Prompt() = std::move(prompt);
}

PlaneCommands::PlaneCommands(TQuorvel& window, Edit edit)
    : QObject(&window), window_(window), edit_(std::move(edit)) {
  setObjectName(QStringLiteral("PlaneCommands"));
  action_ = new QAction(QStringLiteral("Plano por tres puntos"), &window);
  action_->setObjectName(QLatin1String(kObjectName));
  action_->setCheckable(true);
  action_->setChecked(scene::PlaneMode);
  action_->setShortcut(QKeySequence(Qt::Key_P));
  connect(action_, &QAction::toggled, this, [this](bool on) { Toggled(on); });
}

PlaneCommands* PlaneCommands::Of(const QObject& window) {
  return window.findChild<PlaneCommands*>(QString(), Qt::FindDirectChildrenOnly);
}

void PlaneCommands::Select(bool a, bool c, const QString& caption) {
  scene::SelectedA = a;
  scene::SelectedC = c;
  scene::EditPoint = c ? scene::PointC : a ? scene::PointA : scene::PointB;
  window_.SetPACaption(caption.toStdString());
}

void PlaneCommands::Toggled(bool on) {
  if (on == scene::PlaneMode) return;
  // The exercise is judged as set; a plane would hide it.
  if (on && scene::AnswerHidden) {
    ReportError(
        QStringLiteral("Mientras un ejercicio espera su respuesta no se puede pasar a un plano."));
    const QSignalBlocker quiet(action_);
    action_->setChecked(false);
    return;
  }
  scene::PlaneMode = on;
  scene::PointMode = false;
  // Plane mode starts on A; leaving it from C goes back to A.
  if (on || scene::SelectedC) Select(true, false, QStringLiteral("A"));
  // Before the first picture the splash stays; the first edit draws the plane.
  if (!window_.Activated() || !window_.Memo2->isHidden()) return;
  edit_([] {});
}

bool PlaneCommands::SelectNext() {
  if (!scene::PlaneMode) return false;
  QPalette p = window_.PA->palette();
  p.setColor(QPalette::ButtonText, QColor(255, 0, 0));
  p.setColor(QPalette::WindowText, QColor(255, 0, 0));
  window_.PA->setPalette(p);
  if (scene::SelectedC)
    Select(true, false, QStringLiteral("A"));
  else if (scene::SelectedA)
    Select(false, false, QStringLiteral("B"));
  else
    Select(false, true, QStringLiteral("C"));
  classify::InfoUpdate();
  return true;
}

bool PlaneCommands::LeaveForLine() {
  if (!scene::PlaneMode) return false;
  {
    const QSignalBlocker quiet(action_);
    action_->setChecked(false);
  }
  scene::PlaneMode = false;
  scene::PointMode = false;
  if (scene::SelectedC) Select(true, false, QStringLiteral("A"));
  return true;
}

bool PlaneCommands::EditCoordinates() {
  if (!scene::PlaneMode) return false;
  // The point being edited shows what the next edit would store there.
  PlaneInput io;
  io.a = scene::PointA;
  io.b = scene::PointB;
  io.c = scene::PointC;
  DihedralPoint& edited = scene::SelectedC ? io.c : scene::SelectedA ? io.a : io.b;
  edited = scene::EditPoint;
  for (;;) {
    const bool given = Prompt() ? Prompt()(&window_, io) : AskInDialog(&window_, io);
    if (!given) return true;
    if (io.intercepts.trimmed().isEmpty()) break;
    DihedralPoint points[3];
    std::string fault;
    if (scene::PointsOfIntercepts(io.intercepts.toStdString(), points, &fault)) {
      io.a = points[0];
      io.b = points[1];
      io.c = points[2];
      break;
    }
    // Nothing typed is lost: the dialog comes back with the message.
    ReportError(QStringLiteral("α(x, y, z): ") + QString::fromStdString(fault));
    if (Prompt()) return true;  // a scripted prompt would answer the same again
  }
  scene::PointA = io.a;
  scene::PointB = io.b;
  scene::PointC = io.c;
  scene::EditPoint = scene::SelectedC ? io.c : scene::SelectedA ? io.a : io.b;
  edit_([] {});
  return true;
}

}  // namespace app

void TQuorvel::CreatePlaneCommands() {
  auto* planes = new app::PlaneCommands(
      *this, [this](const std::function<void()>& change) { EditCoordinate(change); });
  AddCommand(planes->Action());
}
