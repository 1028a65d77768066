#include "app/Controls.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "app/SurfaceCanvas.h"
#include "delgraph/QtCanvas.h"

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<TSurfaceCanvas>()) {
  // Opaque only once it shows the surface; before that the window colour shows.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  canvas_->SetChangedCallback([this] {
    update();
    if (!redrawing_) Announce();
  });
  blankGeneration_ = canvas_->Generation();
}

TPaintBox::~TPaintBox() = default;

void TPaintBox::SetDrawingScale(double scale) {
  scale_ = scale;
  MatchDevice();
  update();
}

void TPaintBox::MatchDevice() {
  const double wanted = scale_ * devicePixelRatioF();
  if (canvas_->Scale() == wanted) return;
  const bool blank = !ShowsSurface();
  // Drawing the same picture again at another scale is no change of picture.
  redrawing_ = true;
  canvas_->Redraw(wanted);
  redrawing_ = false;
  if (blank) blankGeneration_ = canvas_->Generation();
  Announce();
}

void TPaintBox::Announce() {
  if (ShowsSurface() == showed_) return;
  showed_ = !showed_;
  emit ShowsSurfaceChanged(showed_);
}

void TPaintBox::CoverWithWindowColour() {
  const QColor colour = palette().color(QPalette::Window);
  const delgraph::ColorValue brush = canvas_->BrushColor();
  const int style = canvas_->BrushStyle();
  canvas_->SetBrushColor(delgraph::MakeColorValue(colour.red(), colour.green(), colour.blue()));
  canvas_->SetBrushStyle(delgraph::bsSolid);
  canvas_->FillRect(0, 0, canvas_->SurfaceWidth(), canvas_->SurfaceHeight());
  // The layer's brush comes back as it was.
  canvas_->SetBrushColor(brush);
  canvas_->SetBrushStyle(style);
}

void TPaintBox::ShowBlankUntilNextDrawing() {
  blankGeneration_ = canvas_->Generation();
  update();
  Announce();
}

bool TPaintBox::ShowsSurface() const {
  return canvas_->Generation() != blankGeneration_;
}

void TPaintBox::paintEvent(QPaintEvent* e) {
  MatchDevice();
  if (!ShowsSurface()) return;
  QPainter painter(this);
  painter.setClipRegion(e->region());
  const QImage& image = canvas_->Image();
  if (canvas_->Scale() == 1.0) {
    painter.drawImage(0, 0, image);
  } else {
    // One image pixel per device pixel: the image was drawn at this density.
    const qreal ratio = devicePixelRatioF();
    painter.drawImage(QRectF(0, 0, image.width() / ratio, image.height() / ratio), image);
  }
}

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
  setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  setSingleStep(1);
  lastText_ = lineEdit()->text();
  // QSpinBox rewrites its line edit with the edit's signals blocked (arrows,
  // setValue, the clean-up when editing ends), so watch the value and the end of
  // editing as well as the typing, and report each new text once.
  connect(lineEdit(), &QLineEdit::textChanged, this, &TSpinEdit::CheckText);
  connect(this, &QSpinBox::valueChanged, this, &TSpinEdit::CheckText);
  connect(this, &QAbstractSpinBox::editingFinished, this, &TSpinEdit::CheckText);
}

void TSpinEdit::CheckText() {
  const QString text = lineEdit()->text();
  if (text == lastText_) return;
  lastText_ = text;
  emit Changed();
}

QString TSpinEdit::textFromValue(int value) const {
  return QString::number(value);
}

void TSpinEdit::fixup(QString& input) const {
  bool ok = false;
  input.trimmed().toInt(&ok, 10);
  if (!ok) input = QStringLiteral("0");
}

void TSpinEdit::stepBy(int steps) {
  bool ok = false;
  lineEdit()->text().trimmed().toInt(&ok, 10);
  if (ok) {
    QSpinBox::stepBy(steps);
    return;
  }
  // QSpinBox would step from the last number it accepted, which the handlers
  // never saw; they read this text as 0.
  const std::int64_t value = static_cast<std::int64_t>(steps) * singleStep();
  setValue(static_cast<int>(std::clamp<std::int64_t>(value, minimum(), maximum())));
  CheckText();
}

std::int32_t TSpinEdit::TextValue() const {
  bool ok = false;
  const int v = lineEdit()->text().trimmed().toInt(&ok, 10);
  return ok ? v : 0;
}
