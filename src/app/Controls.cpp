#include "app/Controls.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <limits>

#include "delgraph/QtCanvas.h"

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<delgraph::QtCanvas>()) {
  // Opaque only once it shows the surface; before that the window colour shows.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  canvas_->SetChangedCallback([this] {
    update();
    if (!showed_) {
      showed_ = true;
      emit ShowsSurfaceChanged(true);
    }
  });
  blankGeneration_ = canvas_->Generation();
}

TPaintBox::~TPaintBox() = default;

void TPaintBox::ShowBlankUntilNextDrawing() {
  blankGeneration_ = canvas_->Generation();
  update();
  if (showed_) {
    showed_ = false;
    emit ShowsSurfaceChanged(false);
  }
}

bool TPaintBox::ShowsSurface() const {
  return canvas_->Generation() != blankGeneration_;
}

void TPaintBox::paintEvent(QPaintEvent* e) {
  if (!ShowsSurface()) return;
  QPainter painter(this);
  painter.setClipRegion(e->region());
  painter.drawImage(0, 0, canvas_->Image());
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

std::int32_t TSpinEdit::TextValue() const {
  bool ok = false;
  const int v = lineEdit()->text().trimmed().toInt(&ok, 10);
  return ok ? v : 0;
}
