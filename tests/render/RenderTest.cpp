// The render module without a window: scaled drawing, the SVG and PDF pictures
// against the PNG, the window's painter left alone, and pictures at their edges: a
// list's bounds inside a sheet's views, no title in its space view, a long number
// set smaller rather than cut.
#include <gtest/gtest.h>

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "delgraph/QtCanvas.h"
#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/Painter.h"
#include "drawing/Projections.h"
#include "quiz/ExerciseList.h"
#include "quiz/Quiz.h"
#include "quiz/TestMode.h"
#include "render/Export.h"
#include "render/SheetPicture.h"
#include "support/RecordingCanvas.h"

namespace {

using delgraph::ColorValue;
using delgraph::QtCanvas;

const render::SceneSpec kPoint{scene::Figure::kPoint, {20, 40, 30}, {20, 40, 30}, false, false};
const render::SceneSpec kLine{scene::Figure::kLine, {-40, 30, 20}, {50, -20, 60}, false, false};

ColorValue At(const QImage& image, int x, int y) {
  return QtCanvas::FromQRgb(image.pixel(x, y));
}

// Antialiased or not, a colour drawn at a place stays near itself.
bool Near(ColorValue a, ColorValue b) {
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        40)
      return false;
  }
  return true;
}

// The rows y-4..y+4 of column x weighted by how far each is from the background:
// where a horizontal line lies, whether it was drawn aliased or antialiased.
double LineRow(const QImage& image, int x, int y, ColorValue background) {
  double weight = 0, sum = 0;
  for (int row = y - 4; row <= y + 4; ++row) {
    const ColorValue c = At(image, x, row);
    double d = 0;
    for (int shift = 0; shift < 24; shift += 8)
      d += std::abs(static_cast<int>((c >> shift) & 0xFF) -
                    static_cast<int>((background >> shift) & 0xFF));
    weight += d;
    sum += d * row;
  }
  return weight > 0 ? sum / weight : -1;
}

delgraph::Palette ShippedColours() {
  delgraph::Palette palette;
  delgraph::ApplyShippedPalette(palette);
  return palette;
}

class RenderTest : public ::testing::Test {
 protected:
  const delgraph::Palette palette = ShippedColours();
  const ColorValue blue = palette.Color(1);
  const ColorValue lightRed = palette.Color(12);
};

TEST_F(RenderTest, ScaleTwoIsDrawnTwiceAsLargeNotEnlarged) {
  const QImage one = render::RenderImage(kPoint, palette, 1);
  const QImage two = render::RenderImage(kPoint, palette, 2);
  ASSERT_EQ(one.size(), QSize(1025, 473));
  ASSERT_EQ(two.size(), QSize(2050, 946));
  // The flat view's ground line: row 193 at scale 1, two rows around 386 at scale 2.
  EXPECT_EQ(At(one, 700, 193), blue);
  EXPECT_NE(At(one, 700, 192), blue);
  std::vector<int> rows;
  for (int y = 370; y < 400; ++y)
    if (At(two, 1400, y) == blue) rows.push_back(y);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_LE(std::abs(rows[0] + rows[1] - 2 * 386), 2);
  EXPECT_EQ(At(two, 2 * 983 - 20, 386), blue);  // spans the same x range, doubled
  EXPECT_NE(At(two, 2 * 983 + 20, 386), blue);
  // Drawn at the larger size: text and rings do not come out as 2 x 2 blocks.
  EXPECT_NE(two, one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

TEST_F(RenderTest, SvgMatchesThePngAndHoldsItsTexts) {
  const QImage png = render::RenderImage(kPoint, palette, 1);
  const QByteArray svg = render::RenderSvg(kPoint, palette, 1);
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 1025, 473));
  QImage drawn(1025, 473, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter painter(&drawn);
    renderer.render(&painter, QRectF(0, 0, 1025, 473));
  }
  // The ground line of the flat view, within the pixel that aliased drawing
  // rounds to.
  for (const int x : {600, 900}) {
    EXPECT_NEAR(LineRow(drawn, x, 193, palette.Color(0)), 193, 1.0) << x;
    EXPECT_NEAR(LineRow(png, x, 193, palette.Color(0)), 193, 0.01) << x;
  }
  // The rings at G (786, 193), h (786, 233) and v (786, 163), left and right of
  // each centre.
  const QPoint places[] = {{783, 233}, {789, 233}, {783, 163}, {789, 163}, {783, 193}};
  for (const QPoint& p : places) {
    EXPECT_TRUE(Near(At(drawn, p.x(), p.y()), At(png, p.x(), p.y())))
        << p.x() << "," << p.y() << ": " << std::hex << At(drawn, p.x(), p.y()) << " vs "
        << At(png, p.x(), p.y());
  }
  EXPECT_EQ(At(png, 789, 233), lightRed);
  EXPECT_EQ(At(png, 600, 193), blue);
  EXPECT_TRUE(Near(At(drawn, 600, 200), palette.Color(0)));
  EXPECT_TRUE(svg.contains(">Primer Cuadrante</text>"));
  EXPECT_TRUE(svg.contains(">A=(20,40,30)</text>"));
  // Answers hidden: the location is left out, the coordinates stay.
  const QByteArray hidden =
      render::RenderSvg({scene::Figure::kPoint, {20, 40, 30}, {}, false, true}, palette, 1);
  EXPECT_FALSE(hidden.contains("Primer Cuadrante"));
  EXPECT_TRUE(hidden.contains(">A=(20,40,30)</text>"));
}

TEST_F(RenderTest, PdfIsAnA4LandscapePageWithRealText) {
  const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
  const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
  if (pdftotext.isEmpty() || pdfinfo.isEmpty()) GTEST_SKIP() << "poppler-utils not installed";
  QTemporaryDir dir;
  const QString path = dir.filePath("recta.pdf");
  ASSERT_EQ(render::WriteFile(kLine, palette, path, render::Format::Pdf, 1), QString());
  QProcess text;
  text.start(pdftotext, {path, "-"});
  ASSERT_TRUE(text.waitForFinished(20000));
  const QString words = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(words.contains("OBLICUA")) << words.toStdString();
  EXPECT_TRUE(words.contains("A=(-40, 30, 20)")) << words.toStdString();
  EXPECT_TRUE(words.contains("AL H,V Y L.T.")) << words.toStdString();
  QProcess info;
  info.start(pdfinfo, {path});
  ASSERT_TRUE(info.waitForFinished(20000));
  const QString facts = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(facts.contains(QRegularExpression("Pages:\\s+1\\n"))) << facts.toStdString();
  EXPECT_TRUE(
      facts.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)? pts")))
      << facts.toStdString();
}

TEST_F(RenderTest, AThrowGoesThroughAndLeavesTheWindowsPainterAlone) {
  RecordingCanvas windowCanvas;
  drawing::Painter windowPainter;
  windowPainter.SurfaceCanvas = &windowCanvas;
  windowPainter.palette.SetEntry(5, 1, 2, 3);
  windowPainter.FillPattern = 11;
  windowPainter.SetLogicalWindow(3, 1, 2, 3, 4);
  const drawing::Painter painterBefore = windowPainter;

  QImage image(1025, 473, QImage::Format_RGB32);
  EXPECT_THROW(render::WithSurface(image, QRectF(image.rect()), windowPainter.palette,
                                   [](drawing::Painter& painter, scene::Scene& scene) {
                                     render::DrawEdit(painter, scene, kLine);
                                     throw std::runtime_error("stop");
                                   }),
               std::runtime_error);
  EXPECT_EQ(windowPainter.SurfaceCanvas, &windowCanvas);
  EXPECT_EQ(windowPainter.palette.active.colors[5], painterBefore.palette.active.colors[5]);
  EXPECT_EQ(windowPainter.FillPattern, 11);
  EXPECT_EQ(windowPainter.LogicalWindowTable[3].y2, 4.0);
  EXPECT_EQ(windowPainter.CurrentWindow, painterBefore.CurrentWindow);
  // The render drew, but not on the window's canvas and not on its labels.
  EXPECT_TRUE(windowCanvas.Calls(std::string()).empty());
  EXPECT_FALSE(windowPainter.ForWindow.hideSplash);
  EXPECT_NE(At(image, 700, 193), At(image, 700, 200));
}

TEST(SheetPictureTest, ListBoundsKeepEveryProjectionAndItsRingInsideBothViews) {
  // A ring's radius and its pen.
  const QRectF flat = render::FlatPictureArea().adjusted(4, 4, -4, -4);
  const QRectF space = render::SpacePictureArea().adjusted(4, 4, -4, -4);
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  render::WithSurfacePart(painter, QRectF(image.rect()), flat, false, {},
                          [&](drawing::Painter& picture, scene::Scene&) {
                            picture.Select320x200();
                            drawing::ComputeSceneOrigins(picture);
                            const int x = quiz::kListAbscissaLimit, d = quiz::kListDistanceLimit;
                            for (const int corner : {0, 1, 2, 3, 4, 5, 6, 7}) {
                              const auto r =
                                  drawing::PositionsAt(picture, corner & 1 ? x : -x,
                                                       corner & 2 ? d : -d, corner & 4 ? d : -d);
                              for (const drawing::SurfacePoint p : {r.G, r.h, r.v})
                                EXPECT_TRUE(flat.contains(QPointF(p.x, p.y))) << corner;
                              for (const drawing::SurfacePoint p : {r.S, r.Hp, r.Vp})
                                EXPECT_TRUE(space.contains(QPointF(p.x, p.y))) << corner;
                            }
                          });
}

TEST(SheetPictureTest, SpaceViewOfASheetCarriesNoTitle) {
  const QRectF area = render::SpacePictureArea();
  QImage image(area.size().toSize() * 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  quiz::GeneratedExercise e;
  e.figure = scene::Figure::kPoint;
  e.a = e.b = {20, 40, 30};
  render::DrawExercisePart(painter, QRectF(image.rect()), area, e, render::PrintSheetPalette());
  painter.end();
  // The title stood in the top-left corner of the panel, empty otherwise (past its
  // edge, a line at x 0).
  const QRgb background = image.pixel(20, image.height() / 2);
  for (int y = 0; y < 40; ++y)
    for (int x = 8; x < 200; ++x) ASSERT_EQ(image.pixel(x, y), background) << x << ' ' << y;
}

TEST(SheetPictureTest, LongMeetingPointOnTheGroundLineIsSetSmallerNotCut) {
  const delgraph::Palette palette = ShippedColours();
  render::SceneSpec plane;  // "α1 y α2 cortan a L.T. en x = -146857,78"
  plane.figure = scene::Figure::kPlane;
  plane.A = {-66, -110, -136};
  plane.B = {-74, -42, 127};
  plane.C = {-7, -41, 131};
  const QImage image = render::RenderImage(plane, palette, 1);
  const QRgb background = image.pixel(1020, 2);
  for (int y = 5; y < 40; ++y)
    for (int x = 1015; x < image.width(); ++x)
      ASSERT_EQ(image.pixel(x, y), background) << x << ' ' << y;
}

}  // namespace
