// The drawing grows with the window, drawn again at the new size rather than
// enlarged, and comes back pixel for pixel at the start size.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <random>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/SurfaceCanvas.h"
#include "quiz/TestMode.h"
#include "scene/Scene.h"

namespace {

class ScalingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  // What the drawing area shows, in its own pixels.
  QImage Shown() const { return window->drawingArea->grab().toImage(); }
};

TEST_F(ScalingTest, TwiceTheStartSizeDrawsTwiceAsLargeWithTheControlsBelow) {
  window->pointOrLineButton->click();  // a line: labels, rings and texts to look at
  window->abscissaBar->setValue(20);
  window->ab->setValue(1);
  const QImage startFrame = Shown();
  window->abscissaBar->setValue(21);
  const QImage startPicture = Shown();
  const QRect startButton = window->abscissaDownButton->geometry();

  window->resize(2061, 1014);
  EXPECT_DOUBLE_EQ(window->DrawingScale(), 2.0);
  EXPECT_EQ(window->drawingArea->geometry(), QRect(8, 0, 2050, 946));
  const QImage big = Shown();
  ASSERT_EQ(big.size(), QSize(2050, 946));
  // Texts and rings drawn at the new size, not the start picture's pixels doubled.
  EXPECT_NE(big, startPicture.scaled(big.size()));
  // The frame alone (a hidden spin edit redraws it without the scene): the flat
  // view's ground line, twice as long and as thick.
  window->ab->setValue(2);
  const QImage frame = Shown();
  const QRgb blue = qRgb(10, 11, 12);  // colour 1 of the test palette
  for (int x = 1144; x <= 1966; ++x) ASSERT_EQ(frame.pixel(x, 386), blue) << "x " << x;
  EXPECT_NE(frame.pixel(1500, 383), blue);
  EXPECT_NE(frame.pixel(1500, 389), blue);
  EXPECT_NE(frame.pixel(1980, 386), blue);

  // The row keeps its sizes and order, just below the drawing, centred under it.
  const int dx = window->abscissaDownButton->x() - startButton.x();
  EXPECT_EQ(window->abscissaDownButton->geometry(), startButton.translated(dx, 946 - 473));
  EXPECT_EQ(window->cotaBar->geometry(), QRect(920 + dx, 488 + 473, 113, 25));
  EXPECT_EQ(window->creditsCaption->y(), 512 + 473);
  // The drawing's centre moved by (2050 - 1025) / 2.
  EXPECT_LE(std::abs(dx - 512.5), 0.5);

  window->resize(1036, 541);
  EXPECT_DOUBLE_EQ(window->DrawingScale(), 1.0);
  EXPECT_EQ(window->abscissaDownButton->geometry(), startButton);
  EXPECT_EQ(Shown(), startFrame);
  window->abscissaBar->setValue(20);
  window->abscissaBar->setValue(21);
  EXPECT_EQ(Shown(), startPicture);
}

TEST_F(ScalingTest, KeptFramesGiveThePictureDrawingAgainGives) {
  // Random edits, modes, exercises and hidden redraws; after each, the picture
  // equals that of every call since the last clearing drawn afresh.
  std::mt19937 rng(20261208);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  quiz::SetRandomSource([&](std::int32_t n) { return pick(n); });
  QAbstractButton* const buttons[] = {
      window->cotaUpButton,     window->cotaDownButton,        window->abscissaDownButton,
      window->abscissaUpButton, window->alejamientoDownButton, window->alejamientoUpButton,
      window->profileButton,    window->pointOrLineButton,     window->endPointButton,
      window->testButton,       window->checkButton,           window->Punto};
  auto* canvas = window->drawingArea->Canvas();
  std::size_t longestKept = 0;
  for (int i = 0; i < 300 && !HasFailure(); ++i) {
    const int action = pick(10);
    if (action < 5) {
      QAbstractButton* b = buttons[pick(12)];
      if (b->isVisibleTo(window.get()) || b == window->Punto) b->click();
    } else if (action < 9) {
      QScrollBar* bars[] = {window->abscissaBar, window->cotaBar, window->alejamientoBar};
      QScrollBar* bar = bars[pick(3)];
      bar->setValue(bar->minimum() + pick(bar->maximum() - bar->minimum() + 1));
    } else {
      window->ab->setValue(window->ab->value() + 1);
    }
    longestKept = std::max(longestKept, canvas->CachedCalls());
    const QImage shown = Surface();
    canvas->Redraw(1.0);
    ASSERT_EQ(Surface(), shown) << "action " << i;
  }
  EXPECT_GT(longestKept, 200u);  // the frame was kept, not drawn every time
  // What is kept for a redraw is one picture's worth: it does not grow with edits.
  const std::size_t kept = canvas->KeptCalls();
  for (int i = 0; i < 30; ++i) window->alejamientoBar->setValue(i - 15);
  EXPECT_LT(canvas->KeptCalls(), kept + 400);
  // Drawn again at another scale and back, leftovers over the frame included.
  const QImage before = Surface();
  window->resize(1600, 800);  // limited by the height
  EXPECT_NEAR(window->DrawingScale(), 732.0 / 473.0, 1e-9);
  window->resize(600, 300);  // never below the start size
  EXPECT_EQ(window->size(), QSize(1036, 541));
  EXPECT_EQ(Surface(), before);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
