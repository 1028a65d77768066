// The hidden debugging tools: palette chart, palette entry, palette save, and the
// perpendicular-bisector construction.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "WindowFixture.h"
#include "app/Controls.h"
#include "delgraph/QtCanvas.h"
#include "drawing/Painter.h"
#include "scene/Scene.h"
#include "support/RecordingCanvas.h"

namespace {

void SetSpin(TSpinEdit* spin, int value) {
  spin->lineEdit()->setText(QString::number(value));
}

std::vector<delgraph::ColorValue> ActiveColours(const drawing::Painter& painter) {
  std::vector<delgraph::ColorValue> colours;
  for (int i = 0; i < 16; ++i) colours.push_back(painter.PaletteColor(i));
  return colours;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DebugToolTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    StartWindow();
  }
  // Moves the layer onto a recording canvas (the paint box keeps its own).
  void Record() { window->Painter().AttachSurface(&recorder, 1024, 768); }
  RecordingCanvas recorder;
};

TEST_F(DebugToolTest, ChartDrawsSixteenSquaresInTheCurrentSpace) {
  window->Painter().Select320x200();
  Record();
  recorder.Clear();
  window->Button2Click();
  const auto polygons = recorder.Calls("Polygon");
  ASSERT_EQ(polygons.size(), 16u);
  const auto corner = [this](int x, int y) {
    return " " + std::to_string(window->Painter().ScaleX(x)) + " " +
           std::to_string(window->Painter().ScaleY(y));
  };
  EXPECT_EQ(polygons[0], "Polygon" + corner(1, 1) + corner(20, 1) + corner(20, 20) + corner(1, 20));
  EXPECT_EQ(polygons[15],
            "Polygon" + corner(1, 300) + corner(20, 300) + corner(20, 320) + corner(1, 320));
  // Each square is outlined and filled in its own palette colour.
  const auto pens = recorder.Calls("PenColor");
  ASSERT_FALSE(pens.empty());
  EXPECT_EQ(pens.back(), "PenColor " + Hex(window->Painter().PaletteColor(15)));
  EXPECT_EQ(recorder.Calls("BrushColor").back(),
            "BrushColor " + Hex(window->Painter().PaletteColor(15)));
}

TEST_F(DebugToolTest, ChartColoursOnTheSurface) {
  // Right after start-up the 640 x 480 space is current: x stretched by 1.6.
  window->Button2Click();
  EXPECT_TRUE(window->drawingArea->ShowsSurface());
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(SurfacePixel(16, 20 * i + 10), window->Painter().PaletteColor(i)) << i;
}

TEST_F(DebugToolTest, SetsOnePaletteEntryFromTheSpinEdits) {
  SetSpin(window->SpinEdit1, 2);
  SetSpin(window->R, 255);
  SetSpin(window->G, 128);
  SetSpin(window->B, 0);
  window->Button3Click();
  EXPECT_EQ(window->Painter().PaletteColor(2), Rgb(255, 128, 0));
  EXPECT_EQ(window->Painter().palette.rgb[2].red, 255);
  EXPECT_EQ(window->Painter().palette.rgb[2].green, 128);
  EXPECT_EQ(window->Painter().palette.rgb[2].blue, 0);

  SetSpin(window->R, 256);
  window->Button3Click();
  EXPECT_EQ(window->Painter().PaletteColor(2), Rgb(0, 128, 0));

  const auto before = ActiveColours(window->Painter());
  for (int index : {16, -1, 65536, 65538}) {
    SetSpin(window->SpinEdit1, index);
    window->Button3Click();
    EXPECT_EQ(ActiveColours(window->Painter()), before) << index;
  }
  EXPECT_FALSE(window->drawingArea->ShowsSurface());  // nothing redrawn
}

TEST_F(DebugToolTest, SaveWritesTheFileAndRedrawsTheChart) {
  window->Button4Click();
  EXPECT_TRUE(errors.isEmpty());
  QByteArray expected = TestPaletteBytes();
  expected[0] = char(250);
  expected[1] = char(250);
  expected[2] = char(255);
  EXPECT_EQ(ReadFile(PalettePath()), expected);
  EXPECT_EQ(window->Painter().PaletteColor(7), Rgb(70, 71, 72));
  EXPECT_EQ(SurfacePixel(16, 20 * 7 + 10), Rgb(70, 71, 72));
}

TEST_F(DebugToolTest, FailedSaveReportsAndStops) {
  ASSERT_TRUE(QFile::remove(PalettePath()));
  ASSERT_TRUE(QDir::current().mkdir("pruebas.pal"));  // cannot be replaced by a file
  const auto generation = window->drawingArea->Canvas()->Generation();
  window->Button4Click();
  EXPECT_EQ(errors, QStringList{"File access denied"});
  EXPECT_TRUE(QFileInfo(PalettePath()).isDir());
  EXPECT_EQ(window->drawingArea->Canvas()->Generation(), generation);  // no chart
}

class DebugToolNoPaletteTest : public DebugToolTest {
 protected:
  DebugToolNoPaletteTest() { withPaletteFile = false; }
};

TEST_F(DebugToolNoPaletteTest, SaveAfterFailedLoadTurnsUnsetColoursBlack) {
  ASSERT_EQ(errors, QStringList{"File not found"});
  errors.clear();
  SetSpin(window->SpinEdit1, 2);
  SetSpin(window->R, 1);
  SetSpin(window->G, 2);
  SetSpin(window->B, 3);
  window->Button3Click();
  window->Button4Click();
  EXPECT_TRUE(errors.isEmpty());
  QByteArray expected(48, '\0');
  expected[6] = 1;
  expected[7] = 2;
  expected[8] = 3;
  EXPECT_EQ(ReadFile(PalettePath()), expected);
  EXPECT_EQ(window->Painter().PaletteColor(2), Rgb(1, 2, 3));
  EXPECT_EQ(window->Painter().PaletteColor(6), Rgb(0, 0, 0));
  EXPECT_EQ(SurfacePixel(16, 20 * 6 + 10), Rgb(0, 0, 0));
}

namespace {

// The pixels of the bisector, as (x, y) of every SetPixel in the log.
std::vector<std::pair<int, int>> BisectorPixels(const RecordingCanvas& canvas) {
  std::vector<std::pair<int, int>> pixels;
  for (const std::string& call : canvas.Calls("SetPixel ")) {
    int x = 0, y = 0;
    std::sscanf(call.c_str(), "SetPixel %d %d", &x, &y);
    pixels.emplace_back(x, y);
  }
  return pixels;
}

int RowAt(const std::vector<std::pair<int, int>>& pixels, int column) {
  return pixels.at(static_cast<std::size_t>(column - 1)).second;
}

}  // namespace

TEST_F(DebugToolTest, BisectorOfASlopedSegment) {
  Record();
  recorder.Clear();
  window->mediatriz(10, 40, 70, 100);
  EXPECT_EQ(recorder.Calls("MoveTo"), std::vector<std::string>{"MoveTo 10 40"});
  EXPECT_EQ(recorder.Calls("LineTo"), std::vector<std::string>{"LineTo 70 100"});
  EXPECT_EQ(recorder.Calls("Ellipse"), std::vector<std::string>{"Ellipse 38 68 42 72"});
  const auto pixels = BisectorPixels(recorder);
  ASSERT_EQ(pixels.size(), 640u);
  EXPECT_EQ(pixels.front().first, 1);
  EXPECT_EQ(pixels.back().first, 640);
  // Rows worked out by hand with m = -1 / (60 / 60.01 + 0.01) = -0.99026...
  EXPECT_EQ(RowAt(pixels, 1), 109);
  EXPECT_EQ(RowAt(pixels, 40), 70);
  EXPECT_EQ(RowAt(pixels, 41), 69);
  EXPECT_EQ(RowAt(pixels, 100), 11);
  EXPECT_EQ(RowAt(pixels, 111), 0);
  EXPECT_EQ(RowAt(pixels, 640), -524);
  for (const std::string& call : recorder.Calls("SetPixel "))
    ASSERT_NE(call.find(Hex(window->Painter().PaletteColor(15))), std::string::npos);
}

TEST_F(DebugToolTest, BisectorOfVerticalAndHorizontalSegments) {
  Record();
  recorder.Clear();
  window->mediatriz(10, 40, 10, 100);  // nearly horizontal bisector through (10, 70)
  auto pixels = BisectorPixels(recorder);
  ASSERT_EQ(pixels.size(), 640u);
  EXPECT_EQ(RowAt(pixels, 1), 70);
  EXPECT_EQ(RowAt(pixels, 640), 70);

  recorder.Clear();
  window->mediatriz(10, 40, 70, 40);  // m = -100: one pixel per column, steeply
  pixels = BisectorPixels(recorder);
  EXPECT_EQ(RowAt(pixels, 1), 3940);
  EXPECT_EQ(RowAt(pixels, 40), 40);
  EXPECT_EQ(RowAt(pixels, 41), -60);
  EXPECT_EQ(RowAt(pixels, 640), -59960);
}

TEST_F(DebugToolTest, BisectorRoundsHalvesToEvenAndSurvivesExtremes) {
  Record();
  recorder.Clear();
  window->mediatriz(0, 0, 1, 1);  // midpoint (0.5, 0.5) rounds to (0, 0)
  EXPECT_EQ(recorder.Calls("Ellipse"), std::vector<std::string>{"Ellipse -2 -2 2 2"});
  recorder.Clear();
  window->mediatriz(0, 0, 3, 3);  // (1.5, 1.5) rounds to (2, 2)
  EXPECT_EQ(recorder.Calls("Ellipse"), std::vector<std::string>{"Ellipse 0 0 4 4"});
  recorder.Clear();
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  window->mediatriz(kMin, kMin, kMax, kMin);  // rows far outside the 32-bit range
  const auto pixels = BisectorPixels(recorder);
  ASSERT_EQ(pixels.size(), 640u);
  EXPECT_EQ(RowAt(pixels, 1), kMin);
  EXPECT_EQ(recorder.Calls("Ellipse"),
            std::vector<std::string>{"Ellipse -2 -2147483648 2 -2147483646"});
}

TEST_F(DebugToolTest, ConstructionButtonLeavesFrameAndListsPalette) {
  window->abscissaBar->setValue(30);
  const QImage withScene = Surface();
  window->Button1Click();
  const QImage frame = Surface();
  EXPECT_NE(frame, withScene);
  // The frame alone, as the hidden spin edits redraw it.
  window->abscissaBar->setValue(31);
  window->ab->setValue(1);
  EXPECT_EQ(Surface(), frame);

  const QPlainTextEdit* memo = window->Memo1;
  ASSERT_EQ(memo->document()->blockCount(), 16);
  EXPECT_EQ(memo->document()->findBlockByNumber(0).text(), "250 250 255");
  EXPECT_EQ(memo->document()->findBlockByNumber(15).text(), "150 151 152");
  window->Button1Click();
  EXPECT_EQ(memo->document()->blockCount(), 16);
}
