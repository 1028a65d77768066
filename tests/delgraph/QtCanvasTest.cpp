// The Qt canvas on its own: colour encoding, the brush rule, pens, fonts, and the
// image and change signal the paint box relies on.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Pixels.h"

using namespace delgraph;

namespace {

class QtCanvasTest : public ::testing::Test {
 protected:
  QtCanvas canvas{200, 100};
  void SetUp() override {
    canvas.SetBrushColor(0);
    canvas.FillRect(0, 0, 200, 100);
  }
};

TEST_F(QtCanvasTest, RedIsTheLowByte) {
  canvas.SetPixel(1, 1, 0x0000FF);
  canvas.SetPixel(2, 1, 0xFF0000);
  EXPECT_EQ(qRed(canvas.Image().pixel(1, 1)), 255);
  EXPECT_EQ(qBlue(canvas.Image().pixel(2, 1)), 255);
  EXPECT_EQ(QtCanvas::ToQColor(MakeColorValue(1, 2, 3)), QColor(1, 2, 3));
  EXPECT_EQ(canvas.Image().format(), QImage::Format_RGB32);
  EXPECT_EQ(QtCanvas().Image().size(), QSize(1025, 481));
}

TEST_F(QtCanvasTest, ColouringAClearBrushMakesItSolid) {
  canvas.SetBrushStyle(bsClear);
  canvas.SetBrushColor(0x00FF00);
  EXPECT_EQ(canvas.BrushStyle(), bsSolid);
  canvas.SetBrushStyle(bsCross);
  canvas.SetBrushColor(0x0000FF);
  EXPECT_EQ(canvas.BrushStyle(), bsCross);
  canvas.SetBrushStyle(99);  // not a style: ignored
  EXPECT_EQ(canvas.BrushStyle(), bsCross);
}

TEST_F(QtCanvasTest, ClearBrushEllipseKeepsItsInside) {
  canvas.SetPenColor(0xFFFFFF);
  canvas.SetBrushColor(0x0000FF);
  canvas.SetBrushStyle(bsClear);
  canvas.Ellipse(40, 20, 80, 60);
  EXPECT_EQ(At(canvas, 60, 40), 0u);
  EXPECT_EQ(At(canvas, 60, 20), 0xFFFFFFu);
  canvas.SetBrushStyle(bsSolid);
  canvas.Ellipse(40, 20, 80, 60);
  EXPECT_EQ(At(canvas, 60, 40), 0x0000FFu);
}

TEST_F(QtCanvasTest, PenStylesWidthsAndModes) {
  canvas.SetPenColor(0x00FFFF);
  canvas.MoveTo(10, 50);
  canvas.LineTo(190, 50);
  EXPECT_EQ(At(canvas, 100, 50), 0x00FFFFu);
  EXPECT_EQ(At(canvas, 100, 51), 0u);

  canvas.SetPenWidth(3);
  canvas.MoveTo(10, 20);
  canvas.LineTo(190, 20);
  EXPECT_EQ(At(canvas, 100, 19), 0x00FFFFu);
  EXPECT_EQ(At(canvas, 100, 21), 0x00FFFFu);
  EXPECT_EQ(At(canvas, 100, 23), 0u);

  canvas.SetPenWidth(1);
  canvas.SetPenStyle(psClear);
  canvas.MoveTo(10, 80);
  canvas.LineTo(190, 80);
  EXPECT_EQ(At(canvas, 100, 80), 0u);

  canvas.SetPenStyle(psDot);
  canvas.MoveTo(10, 90);
  canvas.LineTo(190, 90);
  int dots = 0;
  for (int x = 20; x < 180; ++x) dots += At(canvas, x, 90) != 0;
  EXPECT_GT(dots, 20);
  EXPECT_LT(dots, 140);

  // Exclusive-or twice gives the picture back.
  canvas.SetPenStyle(psSolid);
  canvas.SetPenMode(14);
  canvas.MoveTo(10, 50);
  canvas.LineTo(190, 50);
  EXPECT_EQ(At(canvas, 100, 50), 0u);
  canvas.MoveTo(10, 50);
  canvas.LineTo(190, 50);
  EXPECT_EQ(At(canvas, 100, 50), 0x00FFFFu);
}

// A thin hidden line reads as dashes, not as a grey dotted line, at every scale:
// 160 pixels of it hold some 13 dashes of 8 and gaps of 4.
TEST_F(QtCanvasTest, LongDashesReadAsDashesAtEveryScale) {
  for (const double scale : {1.0, 1.5, 2.0}) {
    QtCanvas c(200, 20, scale);
    c.SetPenStyle(psLongDash);
    c.MoveTo(20, 10);
    c.LineTo(180, 10);
    const QImage& image = c.Image();
    const int y = static_cast<int>(10 * scale);
    int dashes = 0;
    for (int x = 1; x < image.width(); ++x)
      dashes += image.pixel(x, y) == qRgb(0, 0, 0) && image.pixel(x - 1, y) != qRgb(0, 0, 0);
    EXPECT_GE(dashes, 12) << "scale " << scale;
    EXPECT_LE(dashes, 15) << "scale " << scale;
  }
}

TEST_F(QtCanvasTest, FontsArePointsAt96Dpi) {
  canvas.SetFontName("Default");
  canvas.SetFontSize(18);
  EXPECT_EQ(canvas.Font().family(), QGuiApplication::font().family());
  EXPECT_EQ(QFontInfo(QFont(canvas.Font(), &canvas.Image())).pixelSize(), 24);
  canvas.SetFontName("Arial");
  EXPECT_EQ(canvas.Font().family(), "Arial");
  EXPECT_EQ(canvas.Font().pointSize(), 18);
  canvas.SetFontName("");
  EXPECT_EQ(canvas.Font().family(), "Arial");
}

TEST_F(QtCanvasTest, TinyFontsStayLegible) {
  // The projection labels ask for 1 point; they get 12, where "a" is 9 pixels tall.
  canvas.SetFontName("Default");
  canvas.SetFontSize(1);
  EXPECT_EQ(canvas.Font().pointSize(), 12);
  canvas.SetFontSize(0);
  EXPECT_EQ(canvas.Font().pointSize(), 12);
  canvas.SetFontSize(7);
  EXPECT_EQ(canvas.Font().pointSize(), 7);
}

TEST_F(QtCanvasTest, InvertedRectanglesAreNormalised) {
  canvas.SetBrushColor(0x0000FF);
  canvas.FillRect(20, 10, 10, 14);  // x descending: covers x 10..19
  EXPECT_EQ(Changed(canvas, 0).size(), 40u);
  EXPECT_EQ(At(canvas, 10, 10), 0x0000FFu);
  EXPECT_EQ(At(canvas, 19, 13), 0x0000FFu);
  EXPECT_NE(At(canvas, 20, 10), 0x0000FFu);
}

TEST_F(QtCanvasTest, FarCoordinatesAreSafe) {
  canvas.SetBrushColor(0x010203);
  canvas.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_TRUE(Changed(canvas, 0x010203).empty());
  canvas.SetPixel(INT_MAX, -1, 0);
  canvas.MoveTo(INT_MIN, INT_MIN);
  canvas.LineTo(INT_MAX, INT_MAX);
  canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  canvas.TextOut(INT_MAX, INT_MIN, "x");
  canvas.TextOut(INT_MIN, 0, "x");
  canvas.Polygon({});
  EXPECT_EQ(At(canvas, 5, 5), 0x010203u);
}

TEST_F(QtCanvasTest, ImageCopiesStayAndChangesAreSignalled) {
  int calls = 0;
  canvas.SetChangedCallback([&calls] { ++calls; });
  const std::uint64_t before = canvas.Generation();
  const QImage snapshot = canvas.Image();
  canvas.SetBrushColor(0xFFFFFF);
  canvas.FillRect(0, 0, 10, 10);
  canvas.SetPixel(50, 50, 0xFFFFFF);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(canvas.Generation(), before + 2);
  EXPECT_EQ(QtCanvas::FromQRgb(snapshot.pixel(5, 5)), 0u);
  EXPECT_EQ(QtCanvas::FromQRgb(snapshot.pixel(50, 50)), 0u);
  EXPECT_EQ(At(canvas, 5, 5), 0xFFFFFFu);
  EXPECT_EQ(At(canvas, 50, 50), 0xFFFFFFu);
}

// High-density screens and export devices: callers keep drawing on
// the 1025 x 481 surface, the device gets it larger, clipped and offset.
TEST(ScaledQtCanvasTest, DrawsLargerAndClipsInSurfacePixels) {
  QtCanvas big(1025, 481, 2.0);
  EXPECT_EQ(big.Image().size(), QSize(2050, 962));
  big.SetBrushColor(0);
  big.FillRect(0, 0, 1025, 481);
  big.SetPixel(3, 4, 0x0000FF);
  for (int y = 7; y <= 10; ++y)
    for (int x = 5; x <= 8; ++x)
      EXPECT_EQ(At(big, x, y), (x >= 6 && x <= 7 && y >= 8 && y <= 9) ? 0x0000FFu : 0u)
          << x << "," << y;
  big.SetPenColor(0x00FF00);
  big.SetPenWidth(3);
  big.MoveTo(100, 50);
  big.LineTo(300, 50);
  int thick = 0;
  for (int y = 90; y < 110; ++y) thick += At(big, 400, y) == 0x00FF00u;
  EXPECT_EQ(thick, 6);

  // A device canvas: surface (0,0)-(100,50) onto (10,20)-(310,170), scale 3.
  QImage device(400, 200, QImage::Format_RGB32);
  device.fill(Qt::black);
  {
    QtCanvas onDevice(&device, QRectF(10, 20, 300, 150), QRectF(0, 0, 100, 50));
    EXPECT_TRUE(onDevice.Image().isNull());
    onDevice.SetBrushColor(0xFFFFFF);
    onDevice.FillRect(-5, -5, 500, 500);  // clipped to the surface rectangle
    onDevice.SetPixel(99, 49, 0x0000FF);
  }
  EXPECT_EQ(device.pixel(9, 100), qRgb(0, 0, 0));
  EXPECT_EQ(device.pixel(10, 20), qRgb(255, 255, 255));
  EXPECT_EQ(device.pixel(309, 169), qRgb(255, 0, 0));
  EXPECT_EQ(device.pixel(307, 167), qRgb(255, 0, 0));
  EXPECT_EQ(device.pixel(306, 166), qRgb(255, 255, 255));
  EXPECT_EQ(device.pixel(310, 169), qRgb(0, 0, 0));
  EXPECT_EQ(device.pixel(200, 170), qRgb(0, 0, 0));
}

}  // namespace

namespace {

// The first and last image rows that hold a lit pixel.
std::pair<int, int> InkRows(const QImage& image) {
  int first = -1, last = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qRed(image.pixel(x, y)) != 0) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

TEST(SeparateTextsTest, OverlappingTextMovesOnlyWhenAskedAndApartTextStays) {
  const auto draw = [](bool separate, int secondX) {
    QtCanvas canvas(200, 100);
    canvas.SetBrushColor(0);
    canvas.FillRect(0, 0, 200, 100);
    canvas.SetFontColor(0x0000FF);
    canvas.SetSeparateTexts(separate);
    canvas.TextOut(50, 30, "a");
    canvas.TextOut(secondX, 30, "a");
    return InkRows(canvas.Image());
  };
  const auto single = draw(false, 200);  // the second text falls outside the image
  EXPECT_EQ(draw(false, 52), single);    // off at start: drawn over each other
  EXPECT_EQ(draw(true, 150), single);    // apart already: nothing moves
  const auto separated = draw(true, 52);
  const int height = single.second - single.first;
  EXPECT_TRUE(separated.first <= single.first - height ||
              separated.second >= single.second + height)
      << separated.first << "-" << separated.second;

  // A label by the top of a cut part of the surface is moved into it whole.
  const auto cut = [](bool separate) {
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::black);
    QtCanvas canvas(&image, QRectF(0, 0, 200, 80), QRectF(0, 20, 200, 80));
    canvas.SetFontColor(0x0000FF);
    canvas.SetBrushStyle(bsClear);
    canvas.SetSeparateTexts(separate);
    canvas.TextOut(50, 14, "a");
    canvas.Finish();
    return InkRows(image);
  };
  EXPECT_LT(cut(false).second - cut(false).first, height);
  EXPECT_EQ(cut(true).second - cut(true).first, height);
}

// Keeps where each text went, then draws it.
class PlacedTexts : public QtCanvas {
 public:
  using QtCanvas::QtCanvas;
  void TextOut(std::int32_t x, std::int32_t y, const std::string& text) override {
    placed.push_back({QString::fromStdString(text), QPoint(x, y)});
    QtCanvas::TextOut(x, y, text);
  }
  std::vector<std::pair<QString, QPoint>> placed;
};

double Away(const QPointF& p, const QRectF& box) {
  return std::hypot(std::max({box.left() - p.x(), 0.0, p.x() - box.right()}),
                    std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()}));
}

TEST(SeparateTextsTest, LabelsKeepToTheirOwnPointsOneForCoincidingPointsApartAndOffThickLines) {
  // The labels a sheet asks for of the plane (0,0,0), (50,0,0), (0,30,30) moved to
  // (100, 100); e' asked for touching e; d', whose thick line runs through its place.
  PlacedTexts canvas(300, 200);
  canvas.SetSeparateTexts(true);
  canvas.SetFontSize(1);
  QImage probe(1, 1, QImage::Format_RGB32);  // 96 DPI, as the canvas measures
  probe.setDotsPerMeterX(3780);
  probe.setDotsPerMeterY(3780);
  const QFontMetrics metrics(canvas.Font(), &probe);
  const std::vector<std::tuple<QPoint, QPoint, QString>> labels = {
      {{150, 100}, {140, 100}, "b"}, {{150, 100}, {150, 80}, "b'"},  {{100, 130}, {100, 130}, "c"},
      {{100, 70}, {100, 70}, "c'"},  {{100, 100}, {100, 100}, "a"},  {{100, 100}, {100, 100}, "a'"},
      {{200, 160}, {200, 160}, "e"}, {{212, 160}, {208, 160}, "e'"}, {{240, 40}, {240, 40}, "d'"}};
  canvas.SetPenWidth(3);
  for (const auto& [p, at, text] : labels)
    canvas.Ellipse(p.x() - 3, p.y() - 3, p.x() + 3, p.y() + 3);
  canvas.MoveTo(240, 40);
  canvas.LineTo(260, 90);
  for (const auto& [p, at, text] : labels)
    canvas.LabelOut(p.x(), p.y(), at.x(), at.y(), text.toStdString());
  canvas.Finish();

  std::vector<QRectF> boxes;
  std::vector<QString> texts;
  for (const auto& [text, at] : canvas.placed) {
    texts.push_back(text);
    const QRectF box(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
    QPoint own;  // the point of its first name; nearer it than any other
    for (const auto& [p, asked, name] : labels) own = name == text.left(2).trimmed() ? p : own;
    for (const auto& [p, asked, name] : labels)
      EXPECT_TRUE(p == own || Away(own, box) < Away(p, box)) << text.toStdString();
    for (const QRectF& other : boxes)  // not even touching
      EXPECT_FALSE(box.adjusted(-1, -1, 1, 1).intersects(other)) << text.toStdString();
    boxes.push_back(box);
    for (double t = 0.1; t <= 1.0; t += 0.05)  // off the line, 3 pixels wide
      EXPECT_GT(Away(QPointF(240 + 20 * t, 40 + 50 * t), box), 1.5) << text.toStdString();
  }
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<QString>{"a ≡ a'", "b ≡ b'", "c", "c'", "d'", "e", "e'"}));
}

TEST(SeparateTextsTest, ALabelAtTheEdgeOfItsPartStaysAGapInside) {
  // A sheet's flat view cut at the right: a' flush with the cut lost its prime on
  // paper.
  QImage image(200, 100, QImage::Format_RGB32);
  PlacedTexts canvas(&image, QRectF(0, 0, 200, 100), QRectF(0, 0, 200, 100));
  canvas.SetSeparateTexts(true);
  canvas.SetFontSize(1);
  const QFontMetrics metrics(canvas.Font(), &image);
  const int x = 199 - metrics.horizontalAdvance("a ≡ a'");  // asked one pixel from the cut
  canvas.LabelOut(x, 50, x, 50, "a");
  canvas.LabelOut(x, 50, x, 50, "a'");
  canvas.Finish();
  ASSERT_EQ(canvas.placed.size(), 1u);
  const auto& [text, at] = canvas.placed.front();
  EXPECT_EQ(text, "a ≡ a'");
  EXPECT_LE(at.x() + metrics.horizontalAdvance(text), 198);
  EXPECT_GE(at.x(), 2);
}

}  // namespace
