// A sheet's pictures and the window's texts at their edges: a list's bounds keep
// every projection inside both views, the space view carries no title, and a long
// number is set smaller rather than cut.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "delgraph/ShippedPalette.h"
#include "delgraph/delgraph.h"
#include "drawing/LogicalWindow.h"
#include "drawing/Projections.h"
#include "quiz/ExerciseList.h"
#include "render/Export.h"
#include "render/Render.h"
#include "render/SheetPicture.h"
#include "scene/Scene.h"

namespace {

TEST(SheetPictureTest, ListBoundsKeepEveryProjectionAndItsRingInsideBothViews) {
  const QRectF flat = render::FlatPictureArea(), space = render::SpacePictureArea();
  constexpr double kRing = 4;  // radius 3 and the pen around it
  QImage image(10, 10, QImage::Format_RGB32);
  QPainter painter(&image);
  render::WithSurfacePart(painter, QRectF(image.rect()), flat, false, [&] {
    scene::ProfileOn = false;
    drawing::Select320x200();
    drawing::ComputeSceneOrigins();
    const auto inside = [&](const QRectF& area, drawing::SurfacePoint p) {
      return area.adjusted(kRing, kRing, -kRing, -kRing).contains(QPointF(p.x, p.y));
    };
    for (const int x : {-quiz::kListAbscissaLimit, quiz::kListAbscissaLimit}) {
      for (const int y : {-quiz::kListDistanceLimit, quiz::kListDistanceLimit}) {
        for (const int z : {-quiz::kListDistanceLimit, quiz::kListDistanceLimit}) {
          const drawing::EndPointPositions r = drawing::PositionsAt(x, y, z);
          for (const drawing::SurfacePoint p : {r.G, r.h, r.v})
            EXPECT_TRUE(inside(flat, p)) << x << ' ' << y << ' ' << z;
          for (const drawing::SurfacePoint p : {r.S, r.Hp, r.Vp})
            EXPECT_TRUE(inside(space, p)) << x << ' ' << y << ' ' << z;
        }
      }
    }
  });
}

TEST(SheetPictureTest, SpaceViewOfASheetCarriesNoTitle) {
  const QRectF area = render::SpacePictureArea();
  QImage image(area.size().toSize() * 2, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  quiz::GeneratedExercise e;
  e.pointMode = true;
  e.a = e.b = {20, 40, 30};
  render::DrawExercisePart(painter, QRectF(image.rect()), area, e, render::PrintSheetPalette());
  painter.end();
  // The title stood in the top-left corner of the panel, which is empty otherwise
  // (past the panel's edge, a line at x 0).
  const QRgb background = image.pixel(20, image.height() / 2);
  for (int y = 0; y < 40; ++y)
    for (int x = 8; x < 200; ++x) ASSERT_EQ(image.pixel(x, y), background) << x << ' ' << y;
}

TEST(SheetPictureTest, LongMeetingPointOnTheGroundLineIsSetSmallerNotCut) {
  delgraph::ResetDelgraph();
  delgraph::ApplyShippedPalette();
  render::SceneSpec plane;
  plane.plane = true;
  plane.pointMode = false;
  plane.A = {-66, -110, -136};
  plane.B = {-74, -42, 127};
  plane.C = {-7, -41, 131};  // "α1 y α2 cortan a L.T. en x = -146857,78"
  const QImage image = render::RenderImage(plane, 1);
  const QRgb background = image.pixel(1020, 2);
  for (int y = 5; y < 40; ++y)
    for (int x = 1015; x < image.width(); ++x)
      ASSERT_EQ(image.pixel(x, y), background) << x << ' ' << y;
  // A short number stays at its size: the text reaches far to the right.
  plane.C = {-40, 30, 50};
  const QImage usual = render::RenderImage(plane, 1);
  int right = 0;
  for (int y = 5; y < 40; ++y)
    for (int x = 570; x < usual.width(); ++x)
      if (usual.pixel(x, y) != background) right = std::max(right, x);
  EXPECT_GT(right, 870);
  delgraph::ResetDelgraph();
}

}  // namespace
