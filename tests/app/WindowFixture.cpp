#include "WindowFixture.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTest>
#include <utility>

#include "app/Controls.h"
#include "classify/Classification.h"
#include "delgraph/QtCanvas.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

void WindowTest::SetUp() {
  quiz::ResetQuiz();
  folder_ = std::make_unique<CurrentTempFolder>();
  ASSERT_TRUE(folder_->Enter());
}

void WindowTest::ScriptDraws(std::deque<int> values) {
  draws_ = std::move(values);
  quiz::SetRandomSource([this](std::int32_t) {
    if (draws_.empty()) return 0;
    const int v = draws_.front();
    draws_.pop_front();
    return v;
  });
}

void WindowTest::TearDown() {
  window.reset();
  folder_.reset();
}

QByteArray WindowTest::TestPaletteBytes() {
  QByteArray bytes;
  for (int k = 0; k < 16; ++k) {
    bytes.append(static_cast<char>(10 * k));
    bytes.append(static_cast<char>(10 * k + 1));
    bytes.append(static_cast<char>(10 * k + 2));
  }
  return bytes;
}

void WindowTest::StartWindow() {
  if (withPaletteFile) {
    QFile file(PalettePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(TestPaletteBytes()), 48);
  }
  window = std::make_unique<TQuorvel>(&dialogs);
  if (beforeShow) beforeShow();
  window->show();
  ASSERT_TRUE(QTest::qWaitFor([this] { return window->Activated(); }, 5000));
}

QImage WindowTest::Surface() const {
  return window->drawingArea->Canvas()->Image();
}

delgraph::ColorValue WindowTest::SurfacePixel(int x, int y) const {
  return delgraph::QtCanvas::FromQRgb(Surface().pixel(x, y));
}

QRgb WindowTest::ShownPixel(int x, int y) const {
  const QPoint at = window->drawingArea->geometry().topLeft() + QPoint(x, y);
  return window->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
}
