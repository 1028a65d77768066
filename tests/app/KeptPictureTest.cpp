// The window's canvas puts back the kept frame and only what the edit before
// drew over it: after each edit the picture equals the same calls drawn afresh,
// through moving labels and texts, a change of mode, of colours, of size and of
// the application's font.
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <random>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "app/ExportCommands.h"
#include "app/SurfaceCanvas.h"
#include "render/Export.h"
#include "scene/Scene.h"

namespace {

class KeptPictureTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  void TearDown() override { WindowTest::TearDown(); }
  // Two edits, so the second puts back what the first drew; then the picture
  // against the same calls drawn again.
  void EditTwiceAndCompare(QScrollBar* bar, int value, const char* step) {
    bar->setValue(value);
    bar->setValue(value + 9);
    auto* canvas = window->drawingArea->Canvas();
    const QImage shown = Surface();
    canvas->Redraw(canvas->Scale());
    ASSERT_EQ(Surface(), shown) << step;
  }
};

TEST_F(KeptPictureTest, PlaneEditsMatchAFullRedrawThroughModesColoursAndSizes) {
  QTest::keyClick(window.get(), Qt::Key_P);
  ASSERT_TRUE(Scene().IsPlane());
  const int values[] = {-100, -40, 0, 35, 90};
  for (const int v : values) {
    ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->abscissaBar, v, "abscisa"));
    ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->cotaBar, -v, "alejamiento"));
    ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->alejamientoBar, v, "cota"));
    window->PAClick();  // the next of A, B, C
  }
  EXPECT_GT(window->drawingArea->Canvas()->CachedCalls(), 200u);  // the frame was kept

  // A plane, then a point, then a plane again.
  QTest::keyClick(window.get(), Qt::Key_P);
  window->Punto->click();
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->abscissaBar, 20, "point"));
  QTest::keyClick(window.get(), Qt::Key_P);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->abscissaBar, -20, "plane again"));
  window->profileCheck->click();
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->cotaBar, 30, "profile"));

  // Other colours for the frame and the texts.
  window->Painter().palette.SetEntry(1, 200, 30, 40);
  window->Painter().palette.SetEntry(13, 0, 90, 0);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->alejamientoBar, -50, "palette"));

  // Larger and back, with edits at each size.
  window->resize(1600, 800);
  ASSERT_NE(window->DrawingScale(), 1.0);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->abscissaBar, 60, "larger"));
  window->resize(1036, 541);
  ASSERT_NO_FATAL_FAILURE(EditTwiceAndCompare(window->abscissaBar, -60, "start size"));
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(KeptPictureTest, AnEditAfterAFontChangeEqualsAFreshPicture) {
  // What a desktop font change does; the frame is kept from the edits before.
  for (int i = 0; i < 4; ++i) window->cotaUpButton->click();
  const QFont start = QGuiApplication::font();
  QGuiApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 13));
  window->cotaDownButton->click();
  const QImage fresh =
      render::RenderImage(app::CurrentScene(Scene()), window->Painter().palette, 1);
  QGuiApplication::setFont(start);
  EXPECT_EQ(Surface().copy(0, 0, 1025, 473), fresh);
}

// Random calls, many partly off the surface, in pictures that repeat a frame
// (now and then changed) under a tail of their own; between pictures the scale
// goes from 1 to 1.5 and back and the application's font changes. After every
// picture, and every change of scale, the window's canvas shows what plain
// canvases drawing every call show.
TEST(KeptPictureCanvasTest, PutBackPicturesEqualPlainDrawingAcrossScalesAndFonts) {
  using K = delgraph::Canvas;
  using Call = std::function<void(K&)>;
  std::mt19937 random(28);
  const auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  // A random call, coordinates past every edge; from `first` on, drawing only.
  const auto any = [&](int first) -> Call {
    const int x = pick(-300, 1300), y = pick(-200, 700), x2 = pick(-300, 1300),
              y2 = pick(-200, 700), v = pick(0, 20);
    const delgraph::ColorValue c = delgraph::MakeColorValue(pick(0, 255), 0, pick(0, 255));
    const Call calls[] = {[c](K& k) { k.SetPenColor(c); },
                          [v](K& k) { k.SetPenStyle(v % 7); },
                          [v](K& k) { k.SetPenWidth(v % 4 + 1); },
                          [c](K& k) { k.SetBrushColor(c); },
                          [v](K& k) { k.SetBrushStyle(v % 8); },
                          [v](K& k) { k.SetFontName(v % 2 ? "Default" : "Arial"); },
                          [v](K& k) { k.SetFontSize(v); },
                          [c](K& k) { k.SetFontColor(c); },
                          [=](K& k) { k.MoveTo(x, y); },
                          [=](K& k) { k.LineTo(x, y); },
                          [=](K& k) { k.Ellipse(x, y, x + v * 9, y + v * 5); },
                          [=](K& k) {
                            k.Polygon({{x, y}, {x2, y2}, {x, y2}});
                          },
                          [=](K& k) { k.FillRect(x, y, x + v * 30, y2); },
                          [=](K& k) { k.TextOut(x / 2, y / 2, "a'b α2 É"); }};
    return calls[pick(first, 13)];
  };
  TSurfaceCanvas surface;
  delgraph::QtCanvas plain(1025, 481), plainLarger(1025, 481, 1.5);
  const auto draw = [&](const Call& call) {
    for (K* k : {static_cast<K*>(&surface), static_cast<K*>(&plain), static_cast<K*>(&plainLarger)})
      call(*k);
  };
  const auto expected = [&] {
    return surface.Scale() == 1.0 ? plain.Image() : plainLarger.Image();
  };
  const QFont start = QGuiApplication::font();
  std::size_t kept = 0;
  // Each picture covers the one before, so a change of font starts from it.
  std::vector<Call> frame = {
      [](K& k) { k.SetBrushStyle(delgraph::bsSolid); }, [](K& k) { k.SetBrushColor(0xFFFFFF); },
      [](K& k) { k.FillRect(0, 0, 1025, 481); }, [](K& k) { k.SetFontName("Default"); }};
  for (int i = 0; i < 60; ++i) frame.push_back(any(0));
  for (int picture = 0; picture < 40 && !::testing::Test::HasFailure(); ++picture) {
    if (pick(0, 3) == 0) {
      surface.Redraw(surface.Scale() == 1.0 ? 1.5 : 1.0);
      ASSERT_EQ(surface.Image(), expected()) << "picture " << picture << " at another scale";
    }
    if (pick(0, 3) == 0)
      QGuiApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 9 + picture % 5));
    if (pick(0, 3) == 0) frame[4 + pick(0, 59)] = any(0);
    for (const Call& call : frame) draw(call);
    // A tail that leaves the settings as the frame left them.
    for (int i = pick(0, 20); i > 0; --i) draw(any(8));
    EXPECT_EQ(surface.Image(), expected()) << "picture " << picture;
    kept = std::max(kept, surface.CachedCalls());
  }
  QGuiApplication::setFont(start);
  EXPECT_GT(kept, 40u);  // frames were put back
}

TEST(KeptPictureCanvasTest, ALineFromWhereThePenStartedIsNotTakenFromTheKeptPicture) {
  // The pen starts each picture where the one before left it. Two pictures that
  // agree but for that place agree up to the first line drawn from it.
  TSurfaceCanvas canvas;
  const auto picture = [&canvas](std::int32_t x, std::int32_t y) {
    canvas.FillRect(0, 0, canvas.SurfaceWidth(), canvas.SurfaceHeight());
    canvas.LineTo(50, 50);  // from where the pen starts
    canvas.MoveTo(0, 0);
    canvas.LineTo(x, y);
  };
  picture(0, 0);
  picture(60, 10);  // keeps the line from (0, 0); the pen ends at (60, 10)
  picture(60, 10);  // the same calls, the first line now from (60, 10)
  const QImage shown = canvas.Image();
  canvas.Redraw(1.0);
  EXPECT_EQ(canvas.Image(), shown);
  EXPECT_EQ(shown.pixel(55, 30), qRgb(0, 0, 0));  // on the line from (60, 10)
}

}  // namespace
