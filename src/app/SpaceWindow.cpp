#include "app/SpaceWindow.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVariantAnimation>
#include <QWheelEvent>
#include <cmath>

#include "app/Dialogs.h"
#include "app/ExportCommands.h"
#include "render/SpaceRender.h"

namespace app {

namespace {

// As the drawing's own save dialog offers them, so that SavePathFor reads them.
const char* const kFilters = "Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)";
constexpr int kFoldMilliseconds = 1500;

}  // namespace

SpaceCanvas::SpaceCanvas(const scene::Scene& scene, drawing::SpaceView& view, QWidget* parent)
    : QWidget(parent), scene_(scene), view_(view) {
  setObjectName(QStringLiteral("SpaceCanvas"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(320, 240);
}

void SpaceCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  render::DrawSpaceView(painter, QRectF(rect()), scene_, view_);
}

void SpaceCanvas::mousePressEvent(QMouseEvent* e) {
  last_ = e->position().toPoint();
  setFocus();
}

// Dragging right turns the figure to the right; dragging down raises the eye.
void SpaceCanvas::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  const QPoint at = e->position().toPoint();
  view_.camera.Turn(-(at.x() - last_.x()) * kDragStep);
  view_.camera.Tilt((at.y() - last_.y()) * kDragStep);
  last_ = at;
  update();
}

void SpaceCanvas::wheelEvent(QWheelEvent* e) {
  view_.camera.Zoom(std::pow(1.1, e->angleDelta().y() / 120.0));
  update();
}

void SpaceCanvas::keyPressEvent(QKeyEvent* e) {
  drawing::SpaceCamera& c = view_.camera;
  switch (e->key()) {
    case Qt::Key_Left:
      c.Turn(kKeyStep);
      break;
    case Qt::Key_Right:
      c.Turn(-kKeyStep);
      break;
    case Qt::Key_Up:
      c.Tilt(kKeyStep);
      break;
    case Qt::Key_Down:
      c.Tilt(-kKeyStep);
      break;
    case Qt::Key_Plus:
      c.Zoom(1.1);
      break;
    case Qt::Key_Minus:
      c.Zoom(1 / 1.1);
      break;
    case Qt::Key_Home:
      c = drawing::SpaceCamera{};
      break;
    default:
      QWidget::keyPressEvent(e);
      return;
  }
  update();
}

SpaceWindow::SpaceWindow(const scene::Scene& scene, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), scene_(scene), dialogs_(dialogs) {
  setObjectName(QStringLiteral("SpaceWindow"));
  setWindowTitle(QStringLiteral("Vista en el espacio"));
  view_.profile = scene.ProfileOn;
  canvas = new SpaceCanvas(scene, view_, this);
  canvas->setToolTip(QStringLiteral(
      "Arrastre para girar e inclinar; rueda, + y -: acercar y alejar; flechas: girar e "
      "inclinar; Inicio: vista inicial"));

  foldSlider = new QSlider(Qt::Horizontal, this);
  foldSlider->setObjectName(QStringLiteral("AbatimientoSlider"));
  foldSlider->setRange(0, 90);
  foldSlider->setValue(90);
  foldSlider->setToolTip(QStringLiteral("Ángulo de V sobre H, de 90° a 0°"));
  foldAngle = new QLabel(QStringLiteral("90°"), this);
  foldAngle->setMinimumWidth(foldAngle->fontMetrics().horizontalAdvance(QStringLiteral("90°")));
  foldButton = new QPushButton(QStringLiteral("Abatir"), this);
  foldButton->setObjectName(QStringLiteral("AbatirButton"));
  resetButton = new QPushButton(QStringLiteral("Vista inicial"), this);
  resetButton->setObjectName(QStringLiteral("VistaInicialButton"));
  bisectorsCheck = new QCheckBox(QStringLiteral("Bisectores"), this);
  bisectorsCheck->setObjectName(QStringLiteral("BisectoresCheck"));
  auto* save = new QPushButton(QStringLiteral("Guardar..."), this);
  auto* copy = new QPushButton(QStringLiteral("Copiar"), this);
  auto* print = new QPushButton(QStringLiteral("Imprimir..."), this);
  save->setObjectName(QStringLiteral("GuardarEspacioButton"));
  copy->setObjectName(QStringLiteral("CopiarEspacioButton"));
  print->setObjectName(QStringLiteral("ImprimirEspacioButton"));

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("Abatimiento de V:"), this));
  controls->addWidget(foldSlider, 1);
  controls->addWidget(foldAngle);
  controls->addWidget(foldButton);
  controls->addWidget(bisectorsCheck);
  controls->addWidget(resetButton);
  controls->addSpacing(12);
  controls->addWidget(save);
  controls->addWidget(copy);
  controls->addWidget(print);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(canvas, 1);
  layout->addLayout(controls);
  resize(900, 700);

  animation_ = new QVariantAnimation(this);
  connect(animation_, &QVariantAnimation::valueChanged, this,
          [this](const QVariant& v) { SetFold(v.toDouble()); });
  connect(foldSlider, &QSlider::valueChanged, this, [this](int value) {
    animation_->stop();
    SetFold(value);
  });
  connect(foldButton, &QPushButton::clicked, this, [this] { Fold(); });
  connect(resetButton, &QPushButton::clicked, this, [this] { ResetView(); });
  connect(bisectorsCheck, &QCheckBox::toggled, this, [this](bool on) {
    view_.bisectors = on;
    canvas->update();
  });
  connect(save, &QPushButton::clicked, this, [this] { Save(); });
  connect(copy, &QPushButton::clicked, this, [this] { Copy(); });
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  canvas->setFocus();
}

void SpaceWindow::SceneChanged() {
  view_.profile = scene_.ProfileOn;
  canvas->update();
}

void SpaceWindow::ResetView() {
  view_.camera = drawing::SpaceCamera{};
  canvas->update();
}

void SpaceWindow::Fold() {
  const double to = view_.fold > 0.0 ? 0.0 : 90.0;
  animation_->stop();
  animation_->setStartValue(view_.fold);
  animation_->setEndValue(to);
  animation_->setDuration(
      std::max(1, static_cast<int>(kFoldMilliseconds * std::abs(to - view_.fold) / 90.0)));
  animation_->start();
}

void SpaceWindow::SetFold(double fold) {
  view_.fold = fold;
  {
    const QSignalBlocker quiet(foldSlider);
    foldSlider->setValue(static_cast<int>(std::lround(fold)));
  }
  foldAngle->setText(QStringLiteral("%1°").arg(std::lround(fold)));
  foldButton->setText(fold > 0.0 ? QStringLiteral("Abatir") : QStringLiteral("Levantar"));
  canvas->update();
}

void SpaceWindow::closeEvent(QCloseEvent* e) {
  animation_->stop();
  QWidget::closeEvent(e);
  if (closed) closed();
}

void SpaceWindow::Save() {
  if (lastSavePath_.isEmpty())
    lastSavePath_ = QDir(PicturesFolder()).filePath(QStringLiteral("quorvel-espacio.png"));
  SaveQuestion question{QStringLiteral("Guardar vista en el espacio"), lastSavePath_,
                        QString::fromUtf8(kFilters), QString()};
  const QString chosen = dialogs_.AskSaveName(this, question);
  const QString path = SavePathFor(chosen, question.filter);
  if (path.isEmpty()) return;
  // The dialog asked about the name it gave; with an extension added it is another.
  if (path != chosen && !ExistingFiles({path}).isEmpty() && !dialogs_.AskReplace(this, {path}))
    return;
  lastSavePath_ = path;
  const QString fault = render::WriteSpaceFile(scene_, view_, path, *render::FormatOfPath(path), 1);
  if (!fault.isEmpty()) dialogs_.ShowError(this, fault);
}

void SpaceWindow::Copy() {
  const QSize size(render::SpaceWidth, render::SpaceHeight);
  auto* data = new QMimeData;
  data->setImageData(render::RenderSpaceImage(scene_, view_, size));
  data->setData(QStringLiteral("image/svg+xml"), render::RenderSpaceSvg(scene_, view_, size));
  QGuiApplication::clipboard()->setMimeData(data);
}

void SpaceWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(QStringLiteral("Quorvel"));
  if (!dialogs_.AskPrint(this, printer)) return;
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    const QString fault = render::SaveBytes(
        render::RenderSpacePdf(scene_, view_, printer.pageLayout()), printer.outputFileName());
    if (!fault.isEmpty()) dialogs_.ShowError(this, fault);
    return;
  }
  render::RenderSpacePage(scene_, view_, printer);
  if (printer.printerState() == QPrinter::Error)
    dialogs_.ShowError(this, QStringLiteral("No se pudo imprimir la vista."));
}

}  // namespace app
